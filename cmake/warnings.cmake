# Compiler warnings as errors on request (CI turns it on), and the narrow
# exceptions to the project's warning flags.
if(STARWISE_WERROR)
  add_compile_options(-Werror)
endif()

# g++ 12 at -O2 and above reports -Wrestrict inside libstdc++'s std::string
# (char_traits::copy reached from _M_replace) when a short string literal is
# assigned to a std::string or joined to one with operator+, and
# -Wmaybe-uninitialized from the same inlined code. The code is correct; these
# are false positives of that compiler (GCC bugs 105329 and 105651). They show
# where the core, the windows, the command line, the tests and the benchmarks join short literals to strings
# ("0" + std::to_string(n)), so they are silenced for those targets alone and
# for g++ 12 alone.
function(starwise_quiet_gcc12_string_warnings)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_GREATER_EQUAL 12
     AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    foreach(target IN LISTS ARGN)
      if(TARGET ${target})
        target_compile_options(${target} PRIVATE -Wno-restrict -Wno-maybe-uninitialized)
      endif()
    endforeach()
  endif()
endfunction()
