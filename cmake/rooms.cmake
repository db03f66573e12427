# Every room of the source tree (model/, board/, ...) is included as
# "room/file.h". Rather than put the whole source tree on the include path,
# each room gets an include root of its own in the build tree, holding one
# link named after the room: a target sees the headers of the rooms it links
# and no others, so a dependency that CMake does not know of fails to build.
include_guard(GLOBAL)

# Puts the room's include root on the target's include path (PUBLIC, so that
# whatever links the target sees the room too).
function(tessaro_room target room)
    set(root "${PROJECT_BINARY_DIR}/rooms/${room}")
    file(MAKE_DIRECTORY "${root}")
    file(CREATE_LINK "${PROJECT_SOURCE_DIR}/${room}" "${root}/${room}" SYMBOLIC)
    target_include_directories(${target} PUBLIC "${root}")
endfunction()

# Fails the configuration when one of the targets links Qt, directly or
# through any library it links.
function(tessaro_forbid_qt)
    foreach(target IN LISTS ARGN)
        set(seen "")
        set(pending "${target}")
        while(pending)
            list(POP_FRONT pending current)
            if(current IN_LIST seen)
                continue()
            endif()
            list(APPEND seen "${current}")
            if(current MATCHES "Qt[0-9]*::|^Qt[0-9]*[A-Z]")
                message(FATAL_ERROR "${target} links ${current}: only ui/ may use Qt")
            endif()
            if(TARGET "${current}")
                get_target_property(type "${current}" TYPE)
                set(libraries "")
                if(NOT type STREQUAL "INTERFACE_LIBRARY")
                    get_target_property(direct "${current}" LINK_LIBRARIES)
                    if(direct)
                        list(APPEND libraries ${direct})
                    endif()
                endif()
                get_target_property(interface "${current}" INTERFACE_LINK_LIBRARIES)
                if(interface)
                    list(APPEND libraries ${interface})
                endif()
                foreach(library IN LISTS libraries)
                    string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" library "${library}")
                    list(APPEND pending "${library}")
                endforeach()
            endif()
        endwhile()
    endforeach()
endfunction()
