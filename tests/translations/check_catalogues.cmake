# Each language's catalogue against the template extracted from the sources: every text
# translated, nothing fuzzy, and every translation with exactly the placeholders of its
# English text (msgfmt --check compares the {name} arguments of python-brace-format texts).
# cmake -DMSGMERGE=... -DMSGFMT=... -DTEMPLATE=... -DPO_DIR=... -DLANGUAGES="de;fr" -DWORK=... -P
set(failed "")
foreach(language IN LISTS LANGUAGES)
  set(merged ${WORK}/${language}.merged.po)
  execute_process(COMMAND ${MSGMERGE} --quiet --no-fuzzy-matching -o ${merged} ${PO_DIR}/${language}.po ${TEMPLATE}
    RESULT_VARIABLE status)
  execute_process(COMMAND ${MSGFMT} --check --statistics -o /dev/null ${merged}
    RESULT_VARIABLE status ERROR_VARIABLE report)
  string(STRIP "${report}" report)
  message(STATUS "${language}: ${report}")
  if(NOT status EQUAL 0 OR report MATCHES "untranslated|fuzzy" OR NOT report MATCHES "^[0-9]+ translated messages\\.$")
    list(APPEND failed ${language})
  endif()
endforeach()
if(failed)
  message(FATAL_ERROR "Incomplete or wrong catalogues: ${failed}")
endif()
