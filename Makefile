# A thin wrapper over the CMake presets: every target installs what is
# missing first, so a fresh machine needs nothing but these commands.

PRESET ?= dev
BUILD := build/$(PRESET)

.PHONY: all deps configure build run test bench fuzz frames

all: build

deps:
	@scripts/install-deps

configure: deps
	@test -f $(BUILD)/build.ninja || cmake --preset $(PRESET)

build: configure
	@cmake --build --preset $(PRESET)

run: build
	@if [ -z "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
	  echo "velmora: no display to open its window on; without one, run: xvfb-run -a make run" >&2; \
	  exit 1; \
	fi
	@$(BUILD)/src/velmora

# Every test once under AddressSanitizer and UndefinedBehaviorSanitizer; the
# quick ones also in $(PRESET) first, and valgrind there, as it cannot run a
# sanitized program.
test: build
ifeq ($(PRESET),asan)
	@ctest --preset asan
else
	@ctest --preset $(PRESET) --label-exclude e2e
	@$(MAKE) --no-print-directory test PRESET=asan
endif

# Figures of the optimised build; prints, never passes or fails.
bench: deps
	@test -f build/release/build.ninja || cmake --preset release
	@cmake --build --preset release --target benchmarks
	@bench/run build/release

# A Debian package of the optimised build, in build/release.
.PHONY: package
package: deps
	@test -f build/release/build.ninja || cmake --preset release
	@cmake --build --preset release --target velmora
	@cd build/release && cpack -G DEB

# Fuzzes the BMP reader for FUZZ_SECONDS, starting from the built-in frames
# and the broken files of the reader's tests.
FUZZ_SECONDS ?= 60
FUZZ_BUILD := build/fuzz
fuzz: deps
	@test -f $(FUZZ_BUILD)/build.ninja || cmake --preset fuzz
	@cmake --build --preset fuzz --target bmp_reader_fuzz bmp_write_corpus
	@mkdir -p $(FUZZ_BUILD)/corpus
	@cp assets/frames/*.bmp $(FUZZ_BUILD)/corpus/
	@$(FUZZ_BUILD)/tests/fuzz/bmp_write_corpus $(FUZZ_BUILD)/corpus
	@$(FUZZ_BUILD)/tests/fuzz/bmp_reader_fuzz -max_total_time=$(FUZZ_SECONDS) \
	  -print_final_stats=1 -artifact_prefix=$(FUZZ_BUILD)/ $(FUZZ_BUILD)/corpus \
	  >$(FUZZ_BUILD)/fuzz.log 2>&1; status=$$?; \
	  grep -E 'ERROR|SUMMARY|^Done|number_of_executed_units|artifact' $(FUZZ_BUILD)/fuzz.log; \
	  exit $$status

frames: configure
	@cmake --build --preset $(PRESET) --target velmora-frames
	@mkdir -p assets/frames assets/icon
	@$(BUILD)/tools/velmora-frames assets/frames assets/icon
