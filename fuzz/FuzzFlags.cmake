# Instrumentation for the libFuzzer build: every library the fuzz targets
# link is compiled with coverage feedback, AddressSanitizer and UBSan, and
# with the standard library's own bounds checks (std::array indexing).
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  message(FATAL_ERROR "TAMB_FUZZ needs clang: configure with -DCMAKE_CXX_COMPILER=clang++")
endif()
add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined
                    -fno-omit-frame-pointer -D_GLIBCXX_ASSERTIONS)
add_link_options(-fsanitize=address,undefined)
