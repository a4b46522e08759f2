# Set-up and everyday commands. `make run` and `make test` install what is
# missing, configure, build and then run the program (or, without a display,
# the command-line demo) or the whole test suite.
BUILD_DIR ?= build
ASAN_DIR ?= build-asan
FUZZ_DIR ?= build-fuzz
TSAN_DIR ?= build-tsan
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

PREFIX ?=

.PHONY: deps configure build run install package test test-asan test-tsan fuzz bench format clean

deps:
	./scripts/install-deps.sh

$(BUILD_DIR)/build.ninja:
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)

configure: $(BUILD_DIR)/build.ninja

build: deps configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

# The desktop program with the sample picture, or the command-line demo when
# there is no display.
run: build
	./scripts/demo.sh $(BUILD_DIR)

# glyphon, glyphon-cli, the editor control's library, the help page, menu
# entry and icon under the configured prefix (/usr/local unless PREFIX=...
# is given).
install: build
	cmake --install $(BUILD_DIR) $(if $(PREFIX),--prefix $(PREFIX))

# The Debian package glyphon_VERSION_ARCH.deb in the build folder (installs
# under /usr: `apt install ./build/glyphon_*.deb`).
package: build
	cd $(BUILD_DIR) && cpack -G DEB

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

$(ASAN_DIR)/build.ninja:
	cmake -S . -B $(ASAN_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DGLYPHON_SANITIZE=ON \
	  -DGLYPHON_BUILD_BENCH=OFF $(CMAKE_FLAGS)

test-asan: deps $(ASAN_DIR)/build.ninja
	cmake --build $(ASAN_DIR) -j $(JOBS)
	cd $(ASAN_DIR) && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j $(JOBS)

# The threaded parts (the batch run on several threads, glyphon-cli's
# convert -j and its worker sessions) under ThreadSanitizer. The interrupt
# tests stay out: ThreadSanitizer holds a signal back until the thread
# leaves the blocking call it waits in, which is what they time.
TSAN_SUITES = batch_core|cli
TSAN_EXCLUDE = CliInterrupt
$(TSAN_DIR)/build.ninja:
	cmake -S . -B $(TSAN_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGLYPHON_TSAN=ON \
	  -DGLYPHON_BUILD_BENCH=OFF $(CMAKE_FLAGS)

test-tsan: deps $(TSAN_DIR)/build.ninja
	cmake --build $(TSAN_DIR) -j $(JOBS) --target test_batch_core test_cli glyphon-cli glyphon-qt
	cd $(TSAN_DIR) && TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1 \
	  ctest --output-on-failure -j $(JOBS) -L '$(TSAN_SUITES)' -E '$(TSAN_EXCLUDE)'

$(FUZZ_DIR)/build.ninja:
	CXX=clang++ cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DGLYPHON_BUILD_FUZZ=ON -DGLYPHON_SANITIZE=ON -DGLYPHON_BUILD_TESTS=OFF -DGLYPHON_BUILD_BENCH=OFF

fuzz: deps $(FUZZ_DIR)/build.ninja
	cmake --build $(FUZZ_DIR) -j $(JOBS)

bench: build
	$(BUILD_DIR)/bench/glyphon-bench

format:
	find base carvello bitmap codec app batch widgets dotwerk cli tests bench fuzz translations -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR) $(FUZZ_DIR) $(TSAN_DIR)
