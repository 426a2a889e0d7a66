# cmake -DSOURCE=in.txt -DTARGET=out.txt -P to_cp932.cmake
# Writes a UTF-8 text as code page 932 with CR LF line ends.
cmake_minimum_required(VERSION 3.25)
file(READ ${SOURCE} text)
string(REPLACE "@VERSION@" "${VERSION}" text "${text}")
string(REPLACE "\r\n" "\n" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")
get_filename_component(folder ${TARGET} DIRECTORY)
file(MAKE_DIRECTORY ${folder})
file(WRITE ${TARGET}.utf8 "${text}")
execute_process(COMMAND iconv -f UTF-8 -t CP932 ${TARGET}.utf8
  OUTPUT_FILE ${TARGET} RESULT_VARIABLE failed)
file(REMOVE ${TARGET}.utf8)
if(failed)
  file(REMOVE ${TARGET})
  message(FATAL_ERROR "${SOURCE} has a character that code page 932 cannot hold")
endif()
