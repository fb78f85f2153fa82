# Warnings and sanitizers for every target of the project, set once here.
add_compile_options(-Wall -Wextra -Wshadow -Wnon-virtual-dtor -Wcast-align -Wunused)
if(PATTIK_WERROR)
    add_compile_options(-Werror)
endif()

if(PATTIK_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
elseif(PATTIK_SANITIZE_UNDEFINED)
    # UndefinedBehaviorSanitizer alone; under clang its group also checks float-to-integer
    # conversions that overflow (float-cast-overflow), which GCC's does not.
    add_compile_options(-fsanitize=undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_link_options(-fsanitize=undefined)
endif()
