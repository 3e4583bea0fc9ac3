# Start-up runs some 200 of the program's 4,000 functions. The kernel maps
# a program's code in 64 KiB runs around each page it first touches, so
# scattered over the whole of it they made nearly all of it resident; laid
# out first, in the order of src/ui/startup_order.txt, they take a few
# pages. Optimised builds only, with lld, the linker that takes such a list;
# a function missing from the list, or listed and gone, costs only its page.
# bench/startup_instructions --write-order writes the list.
option(CALLWISE_STARTUP_ORDER "Lay out the functions start-up runs first (optimised builds, lld)" ON)
set(CALLWISE_STARTUP_ORDER_FILE ${CMAKE_SOURCE_DIR}/src/ui/startup_order.txt)
set(callwise_order_startup OFF)
if(CALLWISE_STARTUP_ORDER AND NOT WIN32 AND CMAKE_BUILD_TYPE MATCHES "^(Release|MinSizeRel)$")
    include(CheckLinkerFlag)
    check_linker_flag(CXX "-fuse-ld=lld" CALLWISE_HAVE_LLD)
    if(CALLWISE_HAVE_LLD)
        set(callwise_order_startup ON)
        # One section a function, for the linker to place each on its own.
        add_compile_options(-ffunction-sections)
    endif()
endif()

function(callwise_startup_order target)
    if(callwise_order_startup)
        target_link_options(${target} PRIVATE -fuse-ld=lld
            "LINKER:--symbol-ordering-file=${CALLWISE_STARTUP_ORDER_FILE}"
            "LINKER:--no-warn-symbol-ordering")
        set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${CALLWISE_STARTUP_ORDER_FILE})
    endif()
endfunction()
