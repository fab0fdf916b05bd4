# Writes the site's service worker: the list of the site's files and a version that is
# the checksum of their contents.
#   cmake -DSITE=<site folder> -DTEMPLATE=<service_worker.js.in> -P make_service_worker.cmake
file(GLOB_RECURSE files RELATIVE ${SITE} ${SITE}/*)
list(REMOVE_ITEM files service_worker.js)
list(FILTER files EXCLUDE REGEX "quarvel-shortest[^/]*\\.tables")
list(SORT files)
set(hashes "")
set(SITE_FILES "'./'")
foreach(name IN LISTS files)
  file(SHA256 ${SITE}/${name} hash)
  string(APPEND hashes "${name} ${hash}\n")
  string(APPEND SITE_FILES ", '${name}'")
endforeach()
string(SHA256 version "${hashes}")
string(SUBSTRING ${version} 0 16 SITE_VERSION)
configure_file(${TEMPLATE} ${SITE}/service_worker.js @ONLY)
