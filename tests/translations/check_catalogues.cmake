# Each language's catalogue against the template extracted from the sources: every text
# translated, nothing fuzzy, every translation with exactly the placeholders of its English
# text (msgfmt --check compares the {name} arguments of python-brace-format texts), and the
# template's comments for translators in it as update-po merges them. Every text of the
# template with an argument has such a comment.
# cmake -DMSGMERGE=... -DMSGFMT=... -DTEMPLATE=... -DPO_DIR=... -DLANGUAGES="de;fr" -DWORK=... -P
file(READ ${TEMPLATE} template)
string(REGEX MATCHALL "\n\n(#:[^\n]*\n)+#, python-brace-format\n(msgctxt [^\n]*\n)?msgid [^\n]*" uncommented
       "${template}")
if(uncommented)
  string(REGEX MATCHALL "msgid \"[^\n]*\"" uncommented "${uncommented}")
  list(JOIN uncommented "\n  " uncommented)
  message(FATAL_ERROR "Texts with arguments and no comment for translators:\n  ${uncommented}")
endif()
set(failed "")
set(unmerged "")
foreach(language IN LISTS LANGUAGES)
  set(merged ${WORK}/${language}.merged.po)
  execute_process(COMMAND ${MSGMERGE} --quiet --no-fuzzy-matching --no-wrap -o ${merged} ${PO_DIR}/${language}.po
                          ${TEMPLATE} RESULT_VARIABLE status)
  execute_process(COMMAND ${MSGFMT} --check --statistics -o /dev/null ${merged}
    RESULT_VARIABLE status ERROR_VARIABLE report)
  string(STRIP "${report}" report)
  message(STATUS "${language}: ${report}")
  if(NOT status EQUAL 0 OR report MATCHES "untranslated|fuzzy" OR NOT report MATCHES "^[0-9]+ translated messages\\.$")
    list(APPEND failed ${language})
  endif()
  file(STRINGS ${PO_DIR}/${language}.po comments REGEX "^#\\.")
  file(STRINGS ${merged} merged_comments REGEX "^#\\.")
  if(NOT "${comments}" STREQUAL "${merged_comments}")
    list(APPEND unmerged ${language})
  endif()
endforeach()
if(failed OR unmerged)
  message(FATAL_ERROR "Incomplete or wrong catalogues: ${failed}; comments not merged (update-po): ${unmerged}")
endif()
