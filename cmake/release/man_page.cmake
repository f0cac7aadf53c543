# Writes velmar-rop's manual page from its own --help text, so the two never disagree.
#   cmake -DVELMAR_ROP=<program> -DVERSION=<x.y> -DOUTPUT=<velmar-rop.1> -P man_page.cmake
execute_process(COMMAND ${VELMAR_ROP} --help OUTPUT_VARIABLE help RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${VELMAR_ROP} --help failed")
endif()

# The first paragraph names the program; the rest describes it.
string(FIND "${help}" "\n\n" split)
string(SUBSTRING "${help}" 0 ${split} name)
math(EXPR rest "${split} + 2")
string(SUBSTRING "${help}" ${rest} -1 description)
string(REPLACE "\n" " " name "${name}")
string(REPLACE "velmar-rop: " "velmar-rop \\- " name "${name}")

# Roff reads backslashes, and lines that begin with a dot or an apostrophe, as its own.
string(REPLACE "\\" "\\e" description "${description}")
string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" description "${description}")
string(REPLACE "-" "\\-" description "${description}")

file(WRITE ${OUTPUT} ".TH VELMAR-ROP 1 \"\" \"velmar-rop ${VERSION}\" \"User Commands\"\n"
    ".SH NAME\n${name}\n.SH DESCRIPTION\n.nf\n${description}.fi\n")
