# Fails when a text of the sources is missing from a checked-in translation
# (lupdate would change it) or a translation has an entry left unfinished.
#   cmake -DLUPDATE=... -DSOURCES=src -DTS=callwise_fr.ts -DWORK=dir -P translations_current.cmake
get_filename_component(name ${TS} NAME)
set(copy ${WORK}/${name})
file(COPY_FILE ${TS} ${copy})
execute_process(COMMAND ${LUPDATE} -silent -no-obsolete -locations none ${SOURCES} -ts ${copy}
    RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "lupdate failed")
endif()
file(READ ${TS} checked_in)
file(READ ${copy} updated)
if(NOT checked_in STREQUAL updated)
    message(FATAL_ERROR "${name} is behind the sources: "
        "cmake --build build --target update_translations, then translate what is new")
endif()
if(checked_in MATCHES "type=\"unfinished\"")
    message(FATAL_ERROR "${name} has unfinished entries")
endif()
