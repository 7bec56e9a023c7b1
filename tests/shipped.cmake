# Checks on what we ship: the 32-bit exes cannot run here, so their
# headers, imports and resources are read instead, and the zip is built
# twice and compared.
set(KIVRANO_WIN32_DIR "" CACHE PATH "The win32 build whose programs are shipped")
if(KIVRANO_WIN32_DIR)
    set(shipped ${PROJECT_SOURCE_DIR}/tests/shipped)
    set(game ${KIVRANO_WIN32_DIR}/app/Kivrano.exe)
    set(engine ${KIVRANO_WIN32_DIR}/tools/pbrain-kivrano/pbrain-kivrano.exe)
    add_test(NAME shipped.game_exe COMMAND ${shipped}/check-exe.sh ${game} gui)
    add_test(NAME shipped.game_resources COMMAND ${shipped}/check-resources.sh ${game} ${PROJECT_VERSION})
    add_test(NAME shipped.game_size_under_100k COMMAND sh -c "test $(stat -c %s '${game}') -lt 102400")
    add_test(NAME shipped.engine_exe COMMAND ${shipped}/check-exe.sh ${engine} console)
    add_test(NAME shipped.dist_zip COMMAND ${shipped}/check-dist.sh ${KIVRANO_WIN32_DIR})
    set_tests_properties(shipped.dist_zip PROPERTIES RESOURCE_LOCK dist)
endif()
