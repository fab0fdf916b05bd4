#!/usr/bin/env bash
# Checks the links of README.md and docs/*.md: every relative link or picture names a file,
# and every #anchor a heading of the page it points to (the anchor a heading gets: lower
# case, spaces as hyphens, other punctuation left out).
#   tools/check_doc_links.sh [DIR]    DIR holds README.md and docs/ (default: the source tree)
# Lists each broken link as FILE: LINK: WHY and fails on any. Web addresses are not fetched.
set -euo pipefail

dir=${1:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
cd "$dir"

anchors() {
  grep -E '^#{1,6} ' "$1" | sed -E 's/^#+ +//' | tr 'A-Z' 'a-z' | sed -E 's/[^a-z0-9 _-]//g; s/ /-/g'
}

broken=0 links=0
for page in README.md docs/*.md; do
  # Links outside indented code: ](TARGET)
  while read -r link; do
    links=$((links + 1))
    case "$link" in http://* | https://* | mailto:*) continue ;; esac
    path=${link%%#*} anchor=
    [[ "$link" == *"#"* ]] && anchor=${link#*#}
    target=$page
    [ -n "$path" ] && target=$(dirname "$page")/$path
    if [ ! -e "$target" ]; then
      echo "$page: $link: no such file"
      broken=$((broken + 1))
    elif [ -n "$anchor" ] && ! anchors "$target" | grep -qxF -- "$anchor"; then
      echo "$page: $link: no such heading in $target"
      broken=$((broken + 1))
    fi
  done < <(grep -v '^    ' "$page" | grep -oE '\]\([^) ]+\)' | sed -E 's/^\]\(//; s/\)$//' || true)
done

if [ "$broken" -gt 0 ]; then
  echo "$broken of $links links broken" >&2
  exit 1
fi
echo "$links links of README.md and docs/*.md, none broken"
