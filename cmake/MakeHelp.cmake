# Turns the user guide (CommonMark) into one self-contained HTML page: cmark converts the text, and the
# pictures it names are embedded, so the page can be copied and installed alone.
# Arguments: CMARK, INPUT (the .md file), OUTPUT (the .html file), TITLE.
if(NOT CMARK OR NOT INPUT OR NOT OUTPUT)
  message(FATAL_ERROR "MakeHelp.cmake needs CMARK, INPUT and OUTPUT")
endif()
execute_process(COMMAND ${CMARK} --to html ${INPUT}
  OUTPUT_VARIABLE body RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmark failed on ${INPUT}")
endif()

get_filename_component(base ${INPUT} DIRECTORY)
string(REGEX MATCHALL "src=\"[^\":]+\\.png\"" pictures "${body}")
list(REMOVE_DUPLICATES pictures)
foreach(ref IN LISTS pictures)
  string(REGEX REPLACE "^src=\"(.*)\"$" "\\1" name "${ref}")
  if(NOT EXISTS ${base}/${name})
    message(FATAL_ERROR "${INPUT} names a missing picture: ${name}")
  endif()
  execute_process(COMMAND base64 -w0 ${base}/${name} OUTPUT_VARIABLE data RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "cannot read ${base}/${name}")
  endif()
  string(REPLACE "${ref}" "src=\"data:image/png;base64,${data}\"" body "${body}")
endforeach()

file(WRITE ${OUTPUT}.tmp "<!DOCTYPE html>
<html lang=\"en\">
<head>
<meta charset=\"utf-8\">
<title>${TITLE}</title>
<style>
body { font-family: sans-serif; max-width: 60em; margin: 2em auto; padding: 0 1em; line-height: 1.45; color: #222; }
code, pre { background: #f3f3f3; }
pre { padding: 0.6em; overflow-x: auto; }
table { border-collapse: collapse; }
th, td { border: 1px solid #ccc; padding: 0.25em 0.6em; text-align: left; vertical-align: top; }
img { max-width: 100%; border: 1px solid #ddd; }
</style>
</head>
<body>
${body}</body>
</html>
")
file(RENAME ${OUTPUT}.tmp ${OUTPUT})
