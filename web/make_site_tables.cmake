# Puts the page's tables into the site compressed with gzip, named by their checksum, so a
# new version is fetched once under a new name, and writes the worker's script naming them.
#   cmake -DSITE=<site folder> -DTABLES=<the small tables' file> -DGZIP=<gzip>
#         -DWORKER=<shortest_worker.js> -P make_site_tables.cmake
file(SHA256 ${TABLES} hash)
string(SUBSTRING ${hash} 0 16 version)
set(SMALL_TABLES quarvel-shortest-small-${version}.tables.gz)
file(GLOB earlier ${SITE}/quarvel-shortest*.tables*)
list(REMOVE_ITEM earlier ${SITE}/${SMALL_TABLES})
if(earlier)
  file(REMOVE ${earlier})
endif()
if(NOT EXISTS ${SITE}/${SMALL_TABLES})
  # -n: no name or time in the header, the same bytes on every build.
  execute_process(COMMAND ${GZIP} -9 -n -c ${TABLES} OUTPUT_FILE ${SITE}/${SMALL_TABLES}.part
                  RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "gzip of ${TABLES} failed")
  endif()
  file(RENAME ${SITE}/${SMALL_TABLES}.part ${SITE}/${SMALL_TABLES})
endif()
configure_file(${WORKER} ${SITE}/shortest_worker.js @ONLY)
