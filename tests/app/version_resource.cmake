# Reads the program's resources back with windres (-O rc) and checks them: the
# icon's image byte for byte against the icon file, and the rest against
# resources.rc.in, filled in from the identity. windres's comments, blank
# lines and spacing do not count.
#
#   cmake -DWINDRES=… [-DPREPROCESSOR=…] (-DEXE=… | -DRC=…) -DICO=… -DEXPECTED=…
#         -DVERSION_TEXT=… -DEXECUTABLE=… -DWORK=… -P version_resource.cmake
#
# EXE: the program the Windows build made. RC: the resource script, compiled
# here as that build compiles it.
if(NOT WINDRES)
  message("skipped: MinGW's windres is not installed (binutils-mingw-w64-i686)")
  return()
endif()
if(EXE)
  set(input ${EXE})
else()
  # windres looks for a MinGW C preprocessor by default; any C preprocessor
  # does for a script with no system headers.
  set(preprocessor)
  if(PREPROCESSOR)
    set(preprocessor --preprocessor=${PREPROCESSOR})
  endif()
  set(input ${WORK}/sorvane.res)
  execute_process(COMMAND ${WINDRES} ${preprocessor} -O res -o ${input} ${RC} COMMAND_ERROR_IS_FATAL ANY)
endif()
execute_process(COMMAND ${WINDRES} -i ${input} -O rc OUTPUT_VARIABLE actual COMMAND_ERROR_IS_FATAL ANY)

# The image: windres writes it as 32-bit little-endian words (0x…L), a last
# half as a 16-bit one.
string(FIND "${actual}" "/* RT_ICON */" icon)
if(icon EQUAL -1)
  message(FATAL_ERROR "no icon image in ${input}:\n${actual}")
endif()
string(SUBSTRING "${actual}" ${icon} -1 rest)
string(FIND "${rest}" "\nBEGIN\n" begin)
string(FIND "${rest}" "\nEND\n" end)
math(EXPR begin "${begin} + 7")
math(EXPR length "${end} - ${begin}")
string(SUBSTRING "${rest}" ${begin} ${length} data)
string(REPLACE "${data}" "(the image)" actual "${actual}")
string(REGEX MATCHALL "0x[0-9a-fA-F]+L?" words "${data}")
set(image "")
foreach(word IN LISTS words)
  string(REGEX MATCH "^0x([0-9a-fA-F]+)(L?)$" word "${word}")
  set(digits ${CMAKE_MATCH_1})
  set(last 2) # the lowest byte's place in the padded digits
  if(CMAKE_MATCH_2)
    set(last 6)
  endif()
  math(EXPR width "${last} + 2")
  string(LENGTH "${digits}" count)
  while(count LESS width)
    string(PREPEND digits 0)
    math(EXPR count "${count} + 1")
  endwhile()
  foreach(at RANGE ${last} 0 -2)
    string(SUBSTRING "${digits}" ${at} 2 byte)
    string(APPEND image "${byte}")
  endforeach()
endforeach()
string(TOLOWER "${image}" image)
# The icon file's one image follows its 6-byte header and 16-byte entry.
file(READ ${ICO} file HEX OFFSET 22)
if(NOT image STREQUAL file)
  message(FATAL_ERROR "the icon image in ${input} is not the one in ${ICO}:\n${image}\n${file}")
endif()

# The version as the record's numbers: major, minor, 0, revision.
string(REGEX MATCH "^([0-9]+)\\.([0-9]+)\\.([0-9]+)$" parts "${VERSION_TEXT}")
if(NOT parts)
  message(FATAL_ERROR "the version ${VERSION_TEXT} is not major.minor.revision")
endif()
set(NUMBERS "")
foreach(part ${CMAKE_MATCH_1} ${CMAKE_MATCH_2} 0 ${CMAKE_MATCH_3})
  string(REGEX REPLACE "^0+([0-9])" "\\1" part "${part}")
  string(APPEND NUMBERS "${part}, ")
endforeach()
string(REGEX REPLACE ", $" "" NUMBERS "${NUMBERS}")
file(READ ${EXPECTED} expected)
string(CONFIGURE "${expected}" expected @ONLY)

# The memory flags (MOVEABLE, PURE, …) do not count either: only a .res keeps
# them, and Windows ignores them.
function(normalise text out)
  string(REGEX REPLACE "/\\*[^*]*\\*/" "" text "${text}")
  string(REGEX REPLACE " (MOVEABLE|FIXED|PURE|IMPURE|PRELOAD|LOADONCALL|DISCARDABLE)" "" text "${text}")
  string(REGEX REPLACE "[ \t]+" " " text "${text}")
  string(REGEX REPLACE " *\n *" "\n" text "${text}")
  string(REGEX REPLACE "\n+" "\n" text "${text}")
  string(STRIP "${text}" text)
  set(${out} "${text}" PARENT_SCOPE)
endfunction()
normalise("${actual}" actual)
normalise("${expected}" expected)
if(NOT actual STREQUAL expected)
  file(WRITE ${WORK}/actual.rc "${actual}\n")
  file(WRITE ${WORK}/expected.rc "${expected}\n")
  message(FATAL_ERROR "the resources in ${input} are not as expected: diff -u ${WORK}/expected.rc ${WORK}/actual.rc")
endif()
