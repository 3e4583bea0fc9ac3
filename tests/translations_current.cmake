# Fails when a text of the sources is missing from a checked-in translation
# (lupdate would change it), a translation has an entry left unfinished, or
# a source text cannot be translated whole: a plural made by hand
# (n == 1 ? tr("1 call") : tr("%n calls")) or a sentence joined from
# translated parts (tr("...") + tr("...")).
# callwise_en.ts holds English's plural forms alone.
#   cmake -DLUPDATE=... -DSOURCES=src -DTS_DIR=translations -DWORK=dir -P translations_current.cmake
file(GLOB translations ${TS_DIR}/callwise_*.ts)
list(LENGTH translations count)
if(count LESS 3)
    message(FATAL_ERROR "no translations in ${TS_DIR}")
endif()
foreach(ts ${translations})
    get_filename_component(name ${ts} NAME)
    set(copy ${WORK}/${name})
    file(COPY_FILE ${ts} ${copy})
    set(only)
    if(name STREQUAL "callwise_en.ts")
        set(only -pluralonly)
    endif()
    execute_process(COMMAND ${LUPDATE} -silent ${only} -no-obsolete -locations none ${SOURCES}
        -ts ${copy} RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "lupdate failed")
    endif()
    file(READ ${ts} checked_in)
    file(READ ${copy} updated)
    if(NOT checked_in STREQUAL updated)
        message(FATAL_ERROR "${name} is behind the sources: "
            "cmake --build build --target update_translations, then translate what is new")
    endif()
    if(checked_in MATCHES "type=\"unfinished\"")
        message(FATAL_ERROR "${name} has unfinished entries")
    endif()
endforeach()

set(call "[A-Za-z_:]*(tr|translate)\\(")
file(GLOB_RECURSE sources ${SOURCES}/*.cpp ${SOURCES}/*.h)
foreach(source ${sources})
    file(READ ${source} text)
    # One statement at a time: a join spans no semicolon or brace.
    string(REGEX MATCHALL "[=!]= *1[ \n]*\\?[ \n]*${call}" plurals "${text}")
    string(REGEX MATCHALL "${call}[^;{}]*\\)[ \n]*\\+[ \n]*\\(?[^;{}]*${call}" joins "${text}")
    foreach(found ${plurals} ${joins})
        string(REGEX REPLACE "[ \n]+" " " found "${found}")
        message(SEND_ERROR "${source}: cannot be translated whole: ${found}")
    endforeach()
endforeach()
