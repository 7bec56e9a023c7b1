# Checks on what we ship. The 32-bit exes' headers, imports and resources
# are read, and the zip is built twice and compared; then the exes run
# themselves, on a rig of their own: Debian's i386 Wine under qemu
# (tests/win32/wine-rig.sh start32), with the end-to-end game, the game
# beside planted DLLs, the brain's conversations and the Win32 test programs
# built for i686.
set(KIVRANO_WIN32_DIR "" CACHE PATH "The win32 build whose programs are shipped")
if(KIVRANO_WIN32_DIR)
    set(shipped ${PROJECT_SOURCE_DIR}/tests/shipped)
    set(game ${KIVRANO_WIN32_DIR}/app/Kivrano.exe)
    set(engine ${KIVRANO_WIN32_DIR}/tools/pbrain-kivrano/pbrain-kivrano.exe)
    set(import_list ${shipped}/windows-imports.txt)
    add_test(NAME shipped.game_exe COMMAND ${shipped}/check-exe.sh ${game} gui ${import_list})
    add_test(NAME shipped.game_resources COMMAND ${shipped}/check-resources.sh ${game} ${PROJECT_VERSION} game)
    add_test(NAME shipped.game_size_under_100k COMMAND sh -c "test $(stat -c %s '${game}') -lt 102400")
    add_test(NAME shipped.engine_exe COMMAND ${shipped}/check-exe.sh ${engine} console ${import_list})
    add_test(NAME shipped.engine_resources
             COMMAND ${shipped}/check-resources.sh ${engine} ${PROJECT_VERSION} engine)
    add_test(NAME shipped.dist_zip COMMAND ${shipped}/check-dist.sh ${KIVRANO_WIN32_DIR})

    set(rig32_dir ${CMAKE_BINARY_DIR}/wine-rig32)
    # Sets up the i386 Wine first if this machine lacks it (minutes, once).
    kivrano_wine_rig(wine_rig32 wine32 ${rig32_dir} 900 start32)

    kivrano_e2e_play(shipped.e2e.play_as_user wine32 ${rig32_dir} ${game}
                     ${CMAKE_BINARY_DIR}/e2e-game-32.png 180)

    # The same game played under a themed Windows' window metrics (caption
    # 23, menu bar 20 and padded border 4 pixels at 96 DPI).
    set(rig32_themed_dir ${CMAKE_BINARY_DIR}/wine-rig32-themed)
    kivrano_wine_rig(wine_rig32_themed wine32_themed ${rig32_themed_dir} 900 start32 1024x768 themed)
    kivrano_e2e_play(shipped.e2e.play_as_user.themed wine32_themed ${rig32_themed_dir} ${game}
                     ${CMAKE_BINARY_DIR}/e2e-game-32-themed.png 180)
    foreach(name startup_test window_size_test)
        kivrano_wine_program(shipped.win32.${name}.themed wine32_themed ${rig32_themed_dir}
                             ${KIVRANO_WIN32_DIR}/tests/win32/${name}.exe)
    endforeach()

    kivrano_e2e_planted(shipped.e2e.planted_libraries wine32 ${rig32_dir} ${game}
                        ${KIVRANO_WIN32_DIR}/tests/win32/planted)

    set(pbrain_sources ${PROJECT_SOURCE_DIR}/tools/pbrain-kivrano)
    file(GLOB conversations CONFIGURE_DEPENDS ${pbrain_sources}/conversations/*.txt)
    foreach(conversation ${conversations})
        get_filename_component(name ${conversation} NAME_WE)
        add_test(NAME shipped.pbrain.${name}
                 COMMAND ${pbrain_sources}/converse.sh ${shipped}/brain32.sh ${conversation}
                         ${PROJECT_VERSION} crlf)
        set_tests_properties(shipped.pbrain.${name} PROPERTIES
            FIXTURES_REQUIRED wine32 TIMEOUT 120
            ENVIRONMENT "KIVRANO_RIG_DIR=${rig32_dir};KIVRANO_BRAIN_EXE=${engine}")
    endforeach()

    file(GLOB win32_tests CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/win32/*_test.cpp)
    foreach(source ${win32_tests})
        get_filename_component(name ${source} NAME_WE)
        kivrano_wine_program(shipped.win32.${name} wine32 ${rig32_dir}
                             ${KIVRANO_WIN32_DIR}/tests/win32/${name}.exe)
    endforeach()
endif()
