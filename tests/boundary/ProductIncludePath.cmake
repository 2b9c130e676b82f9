# The product's targets see only the iOS surface of the stand-ins: with a product target's own
# include path, every host header (screen set-up, the device root, the loader, SpringBoard's and
# Settings' own classes) is not found, so that including one from src/ is a build failure, while
# a header of the iOS surface is (the control). Run by ctest with CXX, INCLUDES (the target's
# include path, ;-separated), SIM (the stand-ins' folder) and WORK (a scratch folder).
file(GLOB_RECURSE host RELATIVE ${SIM} ${SIM}/*/host/*.h)
if(NOT host)
  message(FATAL_ERROR "no host headers found under ${SIM}")
endif()
set(flags -std=c++20 -E -o /dev/null)
foreach(dir IN LISTS INCLUDES)
  list(APPEND flags "-I${dir}")
endforeach()
file(MAKE_DIRECTORY ${WORK})

# Preprocesses a file that includes `included`: its status and what the compiler said.
function(probe included out_status out_text)
  file(WRITE ${WORK}/probe.cpp "#include \"${included}\"\n")
  execute_process(COMMAND ${CXX} ${flags} ${WORK}/probe.cpp RESULT_VARIABLE status
                  ERROR_VARIABLE text OUTPUT_QUIET TIMEOUT 60)
  set(${out_status} "${status}" PARENT_SCOPE)
  set(${out_text} "${text}" PARENT_SCOPE)
endfunction()

set(faults "")
probe("Foundation/NSLog.h" status text)
if(NOT status EQUAL 0)
  string(APPEND faults "the iOS surface is not on the include path:\n${text}\n")
endif()
foreach(header IN LISTS host)
  string(REGEX REPLACE "^[^/]+/host/" "" included "${header}")
  probe(${included} status text)
  if(status EQUAL 0)
    string(APPEND faults "a host header is on the product's include path: ${header}\n")
  elseif(NOT text MATCHES "No such file or directory")
    string(APPEND faults "${header} fails for another reason than its absence:\n${text}\n")
  endif()
endforeach()
if(faults)
  message(FATAL_ERROR "${faults}")
endif()
list(LENGTH host count)
message(STATUS "${count} host headers are out of the product's reach")
