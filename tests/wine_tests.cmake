# Runs the Win32 test programs of the win64 build under wine64, on the
# rig's private display and prefix. The rig starts once before them and
# stops after them (CTest fixtures), whatever their results.
set(KIVRANO_WIN64_DIR "" CACHE PATH "The win64 build whose test programs run under wine64")
if(KIVRANO_WIN64_DIR)
    set(rig ${PROJECT_SOURCE_DIR}/tests/win32/wine-rig.sh)
    set(rig_dir ${CMAKE_BINARY_DIR}/wine-rig)
    add_test(NAME wine_rig_start COMMAND ${rig} start ${rig_dir})
    set_tests_properties(wine_rig_start PROPERTIES FIXTURES_SETUP wine TIMEOUT 120)
    add_test(NAME wine_rig_stop COMMAND ${rig} stop ${rig_dir})
    set_tests_properties(wine_rig_stop PROPERTIES FIXTURES_CLEANUP wine)

    file(GLOB win32_tests CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/win32/*_test.cpp)
    foreach(source ${win32_tests})
        get_filename_component(name ${source} NAME_WE)
        add_test(NAME win32.${name}
                 COMMAND ${rig} run ${rig_dir} ${KIVRANO_WIN64_DIR}/tests/win32/${name}.exe)
        # 77: checks this screen could not make (win32_check.h); CTest shows the test as skipped.
        set_tests_properties(win32.${name} PROPERTIES
            FIXTURES_REQUIRED wine RESOURCE_LOCK wine_display TIMEOUT 300 SKIP_RETURN_CODE 77
            ENVIRONMENT "KIVRANO_SOURCE_DIR=${PROJECT_SOURCE_DIR};KIVRANO_WIN64_DIR=${KIVRANO_WIN64_DIR}")
    endforeach()
endif()

# End to end: the built game, played with real mouse events on the display.
if(KIVRANO_WIN64_DIR)
    add_test(NAME e2e.play_as_user
             COMMAND ${PROJECT_SOURCE_DIR}/tests/e2e/play-as-user.sh ${rig_dir}
                     ${KIVRANO_WIN64_DIR}/app/Kivrano.exe ${PROJECT_SOURCE_DIR}/assets
                     ${CMAKE_BINARY_DIR}/e2e-game.png ${KIVRANO_ASSET_FILES})
    set_tests_properties(e2e.play_as_user PROPERTIES
        FIXTURES_REQUIRED wine RESOURCE_LOCK wine_display TIMEOUT 120)
endif()

# The start-up once more on a screen too low for the default size, on a
# rig of its own: the window opens Tiny and the taller sizes are grayed.
if(KIVRANO_WIN64_DIR)
    set(small_rig_dir ${CMAKE_BINARY_DIR}/wine-rig-600)
    add_test(NAME wine_rig_small_start COMMAND ${rig} start ${small_rig_dir} 1024x600)
    set_tests_properties(wine_rig_small_start PROPERTIES FIXTURES_SETUP wine_small TIMEOUT 120)
    add_test(NAME wine_rig_small_stop COMMAND ${rig} stop ${small_rig_dir})
    set_tests_properties(wine_rig_small_stop PROPERTIES FIXTURES_CLEANUP wine_small)
    add_test(NAME win32.startup_test.small_screen
             COMMAND ${rig} run ${small_rig_dir} ${KIVRANO_WIN64_DIR}/tests/win32/startup_test.exe)
    set_tests_properties(win32.startup_test.small_screen PROPERTIES
        FIXTURES_REQUIRED wine_small RESOURCE_LOCK wine_small_display TIMEOUT 300 SKIP_RETURN_CODE 77
        ENVIRONMENT "KIVRANO_SOURCE_DIR=${PROJECT_SOURCE_DIR};KIVRANO_WIN64_DIR=${KIVRANO_WIN64_DIR}")
endif()
