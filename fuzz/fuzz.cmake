# Fuzz targets. Each target is one source file whose LLVMFuzzerTestOneInput
# feeds arbitrary bytes to one reader (or to the rules) and aborts when a
# property that must hold for every input is broken. Its seed corpus lies in
# fuzz/corpus/<name>/ beside the file, in the folder of its subsystem.
#
#   lorvix_fuzz_target(<name> SOURCE <file> LIBS <libraries>)
#
# With LORVIX_FUZZ (clang only) each becomes a libFuzzer program
# fuzz/fuzz_<name> in the build folder, which scripts/fuzz runs. Otherwise
# each is linked with fuzz/replay_main.cpp into a test that runs the seeds
# and mutations of them, so that every build checks the properties.

option(LORVIX_FUZZ "Build the libFuzzer targets (clang only)" OFF)
if(LORVIX_FUZZ)
  # Coverage feedback for all the code under test, not just the entries.
  add_compile_options(-fsanitize=fuzzer-no-link)
  add_custom_target(fuzz_targets)
endif()

function(lorvix_fuzz_target name)
  cmake_parse_arguments(F "" "SOURCE" "LIBS" ${ARGN})
  set(corpus ${CMAKE_CURRENT_SOURCE_DIR}/fuzz/corpus/${name})
  if(LORVIX_FUZZ)
    add_executable(fuzz_${name} ${F_SOURCE})
    target_link_options(fuzz_${name} PRIVATE -fsanitize=fuzzer)
    target_link_libraries(fuzz_${name} PRIVATE ${F_LIBS})
    set_target_properties(fuzz_${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz)
    file(WRITE ${CMAKE_BINARY_DIR}/fuzz/${name}.seeds "${corpus}\n")
    add_dependencies(fuzz_targets fuzz_${name})
  else()
    add_executable(fuzz_${name}_replay ${F_SOURCE} ${CMAKE_SOURCE_DIR}/fuzz/replay_main.cpp)
    target_link_libraries(fuzz_${name}_replay PRIVATE ${F_LIBS})
    set_target_properties(fuzz_${name}_replay PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    add_test(NAME fuzz_${name}_seeds COMMAND fuzz_${name}_replay ${corpus})
  endif()
endfunction()
