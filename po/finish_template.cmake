# Gives the extracted template its header and marks the texts with "{name}" arguments
# python-brace-format. Run as cmake -DIN=... -DOUT=... -DDOMAIN=... -P finish_template.cmake.
file(READ ${IN} body)
string(REGEX REPLACE "(^|\n)((msgctxt \"[^\n]*\"\n)?msgid \"[^\n]*\\{[a-z]+\\})" "\\1#, python-brace-format\n\\2"
       body "${body}")
set(header "msgid \"\"\nmsgstr \"\"\n\"Project-Id-Version: ${DOMAIN}\\n\"\n\"MIME-Version: 1.0\\n\"\n")
string(APPEND header "\"Content-Type: text/plain; charset=UTF-8\\n\"\n\"Content-Transfer-Encoding: 8bit\\n\"\n\n")
file(WRITE ${OUT} "${header}${body}")
