# Every product is one IEEE 754 multiplication rounded once: no contraction into fused
# multiply-add and no fast-math anywhere in the build.
add_compile_options(-ffp-contract=off -fno-fast-math)

add_compile_options(-Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
                    -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual)
if(FOKURO_WARNINGS_AS_ERRORS)
  add_compile_options(-Werror)
endif()

if(FOKURO_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
                      -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
