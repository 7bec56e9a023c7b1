# The settings file, fed arbitrary bytes of any length; seeds are whole
# files, a damaged header and a short file.
kivrano_fuzzer(settings_fuzzer
    SOURCES tests/fuzz/settings_fuzzer.cpp settings/settings_bytes.cpp settings/settings_file.cpp
            settings/options.cpp tests/unit/platform_recorder.cpp
    CORPUS tests/fuzz/corpus/settings)
