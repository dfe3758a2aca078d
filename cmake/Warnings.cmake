# Every target of ours builds with warnings as errors; third-party headers are
# included as SYSTEM and so stay out of it.
add_library(orvane_warnings INTERFACE)
target_compile_options(orvane_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
  -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual -Werror
  # Designated initializers leave defaulted members out on purpose.
  -Wno-missing-field-initializers
  # GCC 12 reports overlaps that cannot happen inside std::string
  # concatenation once optimising (its bug 105329).
  $<$<AND:$<CXX_COMPILER_ID:GNU>,$<VERSION_LESS:$<CXX_COMPILER_VERSION>,13>>:-Wno-restrict>)
