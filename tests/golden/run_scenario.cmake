# Runs geoplait-merge on one golden-file scenario and checks everything it did.
#
#   cmake -DMERGE=<geoplait-merge> -DSCENARIO=<folder> -DWORK=<scratch folder>
#         [-DXMLLINT=<xmllint>] -P run_scenario.cmake
#
# A scenario folder holds:
#   input/           files copied into a fresh working folder, where the command runs
#   args             the command's arguments, one a line
#   expected-status  the exit status
#   expected-stdout  the exact bytes of standard output
#   expected-stderr  the exact bytes of standard error, or, where the text is free,
#   stderr-contains  a text that standard error must contain
#   expected.gpx     the exact bytes of the merged file; without it no output may appear
#   well-formed      present when the merged file must pass xmllint
#
# Every file of input/ must be unchanged afterwards, except the output where expected.gpx
# names its new content, and the working folder must hold nothing else.

cmake_minimum_required(VERSION 3.25)

foreach(var MERGE SCENARIO WORK)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "run_scenario.cmake needs -D${var}=...")
  endif()
endforeach()

set(failures "")
function(fail text)
  string(APPEND failures "  ${text}\n")
  set(failures "${failures}" PARENT_SCOPE)
endfunction()

# Shows a small text with its line ends visible, so a CR LF fault can be read off the log.
function(visible_text path out_var)
  file(SIZE "${path}" size)
  if(size GREATER 4000)
    set(${out_var} "(${size} bytes)" PARENT_SCOPE)
    return()
  endif()
  file(READ "${path}" text)
  string(REPLACE "\r" "\\r" text "${text}")
  string(REPLACE "\n" "\\n" text "${text}")
  set(${out_var} " [${text}]" PARENT_SCOPE)
endfunction()

function(files_equal expected actual out_var)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${expected}" "${actual}"
                  RESULT_VARIABLE differ OUTPUT_QUIET ERROR_QUIET)
  if(differ EQUAL 0)
    set(${out_var} TRUE PARENT_SCOPE)
  else()
    set(${out_var} FALSE PARENT_SCOPE)
  endif()
endfunction()

set(input_dir "${SCENARIO}/input")
set(capture_dir "${WORK}.capture")
file(REMOVE_RECURSE "${WORK}" "${capture_dir}")
file(MAKE_DIRECTORY "${WORK}" "${capture_dir}")
if(EXISTS "${input_dir}")
  file(COPY "${input_dir}/" DESTINATION "${WORK}")
  file(GLOB_RECURSE input_entries LIST_DIRECTORIES true RELATIVE "${input_dir}" "${input_dir}/*")
else()
  set(input_entries "")
endif()

file(STRINGS "${SCENARIO}/args" args)
set(output "")
set(take_next FALSE)
foreach(arg IN LISTS args)
  if(take_next)
    set(output "${arg}")
    set(take_next FALSE)
  elseif(arg STREQUAL "-o")
    set(take_next TRUE)
  endif()
endforeach()

# A local time zone far from UTC shows a time stamp that is local time marked "Z".
set(ENV{SOURCE_DATE_EPOCH} 1204880702)
set(ENV{TZ} JST-9)
execute_process(COMMAND "${MERGE}" ${args}
                WORKING_DIRECTORY "${WORK}"
                RESULT_VARIABLE status
                OUTPUT_FILE "${capture_dir}/stdout"
                ERROR_FILE "${capture_dir}/stderr")

file(STRINGS "${SCENARIO}/expected-status" expected_status LIMIT_COUNT 1)
if(NOT status STREQUAL expected_status)
  fail("exit status ${status}, expected ${expected_status}")
endif()

files_equal("${SCENARIO}/expected-stdout" "${capture_dir}/stdout" same)
if(NOT same)
  visible_text("${SCENARIO}/expected-stdout" want)
  visible_text("${capture_dir}/stdout" got)
  fail("stdout differs; expected${want}, got${got}")
endif()

if(EXISTS "${SCENARIO}/expected-stderr")
  files_equal("${SCENARIO}/expected-stderr" "${capture_dir}/stderr" same)
  if(NOT same)
    visible_text("${SCENARIO}/expected-stderr" want)
    visible_text("${capture_dir}/stderr" got)
    fail("stderr differs; expected${want}, got${got}")
  endif()
elseif(EXISTS "${SCENARIO}/stderr-contains")
  file(READ "${SCENARIO}/stderr-contains" part)
  file(READ "${capture_dir}/stderr" err)
  string(FIND "${err}" "${part}" at)
  if(at EQUAL -1)
    visible_text("${capture_dir}/stderr" got)
    fail("stderr lacks \"${part}\", got${got}")
  endif()
else()
  message(FATAL_ERROR "${SCENARIO} has neither expected-stderr nor stderr-contains")
endif()

set(expect_output FALSE)
set(output_rel "")
if(EXISTS "${SCENARIO}/expected.gpx")
  if(output STREQUAL "")
    message(FATAL_ERROR "${SCENARIO} has expected.gpx but its args have no -o OUTPUT")
  endif()
  set(expect_output TRUE)
  cmake_path(SET output_rel NORMALIZE "${output}")
  set(output_path "${WORK}/${output_rel}")
  if(NOT EXISTS "${output_path}")
    fail("no output file ${output}")
  else()
    files_equal("${SCENARIO}/expected.gpx" "${output_path}" same)
    if(NOT same)
      execute_process(COMMAND cmp "${SCENARIO}/expected.gpx" "${output_path}"
                      OUTPUT_VARIABLE where ERROR_VARIABLE where)
      string(STRIP "${where}" where)
      fail("output differs from expected.gpx (${where}); kept in ${WORK}")
    endif()
    if(EXISTS "${SCENARIO}/well-formed")
      if(NOT XMLLINT)
        fail("xmllint is needed to check the output (install libxml2-utils)")
      else()
        execute_process(COMMAND "${XMLLINT}" --noout "${output_path}"
                        RESULT_VARIABLE lint ERROR_VARIABLE lint_text)
        if(NOT lint EQUAL 0)
          fail("xmllint rejects the output:\n${lint_text}")
        endif()
      endif()
    endif()
  endif()
endif()

# The inputs, and an existing output that must not be replaced, keep their bytes.
foreach(entry IN LISTS input_entries)
  if(IS_DIRECTORY "${input_dir}/${entry}")
    continue()
  endif()
  if(expect_output AND entry STREQUAL output_rel)
    continue()
  endif()
  if(NOT EXISTS "${WORK}/${entry}")
    fail("${entry} was removed")
  else()
    files_equal("${input_dir}/${entry}" "${WORK}/${entry}" same)
    if(NOT same)
      fail("${entry} was changed")
    endif()
  endif()
endforeach()

file(GLOB_RECURSE work_entries LIST_DIRECTORIES true RELATIVE "${WORK}" "${WORK}/*")
set(allowed ${input_entries})
if(expect_output)
  list(APPEND allowed "${output_rel}")
endif()
foreach(entry IN LISTS work_entries)
  if(NOT entry IN_LIST allowed)
    fail("unexpected file ${entry} was written")
  endif()
endforeach()

if(failures)
  message(FATAL_ERROR "scenario ${SCENARIO}:\n${failures}")
endif()
file(REMOVE_RECURSE "${WORK}" "${capture_dir}")
