# Kivrano's entry points. `make run` and `make test` set up what is missing,
# build, and run; see README.md.
NATIVE := build/native
WIN32 := build/win32
WIN64 := build/win64
COVERAGE_NATIVE := build/coverage-native
COVERAGE_WIN64 := build/coverage-win64
JOBS ?= $(shell nproc)

.PHONY: all setup build run run32 test coverage fuzz fuzz-bitmap bench bench-paint screenshot dist clean

all: build

setup:
	@scripts/setup.sh

# Configuring again is quick and keeps the cache in step with this file.
define configure
	@cmake -S . -B $(1) $(2) >/dev/null
endef

# Each build's configure line, said once. The native build runs the Windows
# builds' programs in its tests.
MINGW32 := -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-i686-w64-mingw32.cmake
MINGW64 := -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-x86_64-w64-mingw32.cmake
configure_win32 = $(call configure,$(WIN32),$(MINGW32) -DCMAKE_BUILD_TYPE=MinSizeRel)
configure_win64 = $(call configure,$(WIN64),$(MINGW64) -DCMAKE_BUILD_TYPE=Release)
configure_native = $(call configure,$(NATIVE),-DCMAKE_BUILD_TYPE=RelWithDebInfo \
	-DKIVRANO_WIN64_DIR=$(abspath $(WIN64)) -DKIVRANO_WIN32_DIR=$(abspath $(WIN32)))
# The coverage builds: gcov's counters, unoptimized; the native one runs the
# Win32 test programs of the win64 one.
configure_coverage_win64 = $(call configure,$(COVERAGE_WIN64),$(MINGW64) -DCMAKE_BUILD_TYPE=Debug \
	-DKIVRANO_COVERAGE=ON)
configure_coverage_native = $(call configure,$(COVERAGE_NATIVE),-DCMAKE_BUILD_TYPE=Debug -DKIVRANO_COVERAGE=ON \
	-DKIVRANO_WIN64_DIR=$(abspath $(COVERAGE_WIN64)))

build: setup
	$(configure_win32)
	$(configure_win64)
	$(configure_native)
	cmake --build $(WIN32) -j $(JOBS)
	cmake --build $(WIN64) -j $(JOBS)
	cmake --build $(NATIVE) -j $(JOBS)

# Ends with the list of the shipped 32-bit programs that ran, from the log.
test: build
	cd $(NATIVE) && ctest --output-on-failure -j $(JOBS)
	@echo "Shipped 32-bit programs run (times, program, window metrics):"
	@grep -h '^32-bit: ' $(NATIVE)/Testing/Temporary/LastTest.log | sed 's/ (file format[^)]*) under qemu-i386,//' | \
		sort | uniq -c

# Line and branch coverage, per file and per folder, of the native tests and
# of the Win32 test programs run under Wine, from builds of their own; ends
# with the branches that no test takes both ways. Not part of `make test`.
coverage:
	@scripts/setup.sh python3
	$(configure_coverage_win64)
	$(configure_coverage_native)
	cmake --build $(COVERAGE_WIN64) -j $(JOBS)
	cmake --build $(COVERAGE_NATIVE) -j $(JOBS)
	@scripts/coverage.sh $(COVERAGE_NATIVE) $(COVERAGE_WIN64) $(JOBS)

# A longer run of every fuzzer, FUZZ_SECONDS each; what it finds joins the
# fuzzer's corpus in the build tree, and a crashing input is kept beside it.
FUZZ_SECONDS ?= 300
fuzz: build
	@while read -r program dirs; do \
		echo "== $$(basename $$program), $(FUZZ_SECONDS) s"; \
		$$program -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
			-artifact_prefix=$$(dirname $$program)/ $$dirs || exit 1; \
	done < $(NATIVE)/tests/fuzz/fuzzers.txt

# The bitmap fuzzer alone, for FUZZ_SECONDS.
fuzz-bitmap: build
	@grep bitmap_fuzzer $(NATIVE)/tests/fuzz/fuzzers.txt | while read -r program dirs; do \
		$$program -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
			-artifact_prefix=$$(dirname $$program)/ $$dirs || exit 1; \
	done

# The computer's move choice timed natively (Google Benchmark): medians per
# move at both levels, double-three ban on and off. Not part of `make test`.
bench: setup
	$(configure_native)
	cmake --build $(NATIVE) -j $(JOBS) --target move_choice_bench
	$(NATIVE)/bench/move_choice/move_choice_bench

# A full repaint of 361 stones under Wine: median time and GDI objects.
bench-paint: build
	@scripts/paint-figures.sh bench $(WIN64) build

# build/board.png: a game in progress, painted under Wine.
screenshot: build
	@scripts/paint-figures.sh screenshot $(WIN64) build

# Only what it runs: the win64 game (the pictures and sounds are kept in
# assets/), so a first run waits for no tests, fuzzers or benchmarks.
run: setup
	$(configure_win64)
	cmake --build $(WIN64) -j $(JOBS) --target Kivrano
	@scripts/run-game.sh $(WIN64)

# The shipped 32-bit game itself, under Debian's i386 Wine in qemu.
run32: build
	@scripts/run-game.sh $(WIN32)

# The zip a Windows player downloads.
dist: build
	@scripts/make-dist.sh $(WIN32)

clean:
	rm -rf build
