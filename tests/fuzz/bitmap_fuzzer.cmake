# The bitmap layout, fed arbitrary files; seeds are small valid images of
# every bit count and both row orders, RLE8 (one with skips), RLE4 and
# bit-field images, and files whose biSizeImage or bfSize claims more than
# they hold.
kivrano_fuzzer(bitmap_fuzzer
    SOURCES tests/fuzz/bitmap_fuzzer.cpp view/bitmap_layout.cpp
    CORPUS tests/fuzz/corpus/bitmap)
