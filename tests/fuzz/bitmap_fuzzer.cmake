# The bitmap layout, fed arbitrary files; seeds are small valid images of
# every bit count and both row orders.
kivrano_fuzzer(bitmap_fuzzer
    SOURCES tests/fuzz/bitmap_fuzzer.cpp view/bitmap_layout.cpp
    CORPUS tests/fuzz/corpus/bitmap)
