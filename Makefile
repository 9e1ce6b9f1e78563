# Two commands for a fresh Debian machine: `make run` and `make test`.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test clean fuzz fuzz-build test-sanitize format format-check tidy mutate \
  package check-package

all: build

deps:
	./scripts/install-deps

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

configure: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -x $(BUILD)/bin/durak ]; then \
	  $(BUILD)/bin/durak; \
	else \
	  ./scripts/demo-deal $(BUILD)/bin/durak-sim; \
	fi

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The Debian package durak_<version>_<arch>.deb, in $(BUILD): the build's prefix becomes
# /usr and its programs' folder /usr/games, as Debian keeps games (only the few files that
# compile in a path are built again). `make check-package` installs it with apt, runs it
# and purges it (as root).
package: deps
	cmake -S . -B $(BUILD) -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_INSTALL_BINDIR=games $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS)
	cd $(BUILD) && cpack -G DEB
	@ls -l $(BUILD)/durak_*.deb

check-package: package
	./tests/package/check-package $(BUILD)

# Fuzzing every reader of outside input with libFuzzer (clang): `make fuzz FUZZ_SECONDS=N`.
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_TARGETS ?= ini chemp pack step
FUZZ_JOBS ?= 2

fuzz-build: deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DDURAK_FUZZ=ON -DDURAK_WITH_BENCH=OFF
	ASAN_OPTIONS=detect_leaks=0 cmake --build $(FUZZ_BUILD) -j $(FUZZ_JOBS) \
	  --target $(addprefix fuzz_,$(FUZZ_TARGETS))

fuzz: fuzz-build
	./tests/fuzz/run-fuzz $(FUZZ_BUILD) $(FUZZ_SECONDS) $(FUZZ_TARGETS)

# The whole test suite under AddressSanitizer and UndefinedBehaviorSanitizer.
SANITIZE_BUILD ?= build-sanitize
SANITIZE_ENV = ASAN_OPTIONS=halt_on_error=1:abort_on_error=1:detect_leaks=1:print_stacktrace=1 \
  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitize/lsan.supp:print_suppressions=0 \
  QT_QPA_PLATFORM=offscreen

test-sanitize: deps
	cmake -S . -B $(SANITIZE_BUILD) -DDURAK_SANITIZE=ON -DDURAK_WITH_BENCH=OFF
	$(SANITIZE_ENV) cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && $(SANITIZE_ENV) ctest --output-on-failure --timeout 900 -j $(JOBS)

# Formatting with the repository's .clang-format: `make format` rewrites, `make format-check` only checks.
FORMAT_FILES = $(shell git ls-files '*.cpp' '*.h')

format:
	clang-format -i $(FORMAT_FILES)

format-check:
	clang-format --dry-run -Werror $(FORMAT_FILES)

# clang-tidy with the repository's .clang-tidy over game/, files/, resources/, app/, ui/ and tools/, on the
# compile commands of $(BUILD); fails on any finding. `make tidy TIDY_FOLDERS=game` checks one folder.
TIDY_JOBS ?= 2
TIDY_FOLDERS ?=

tidy: configure
	TIDY_JOBS=$(TIDY_JOBS) ./scripts/tidy $(BUILD) $(TIDY_FOLDERS)

# Plants faults one at a time in the engine's objects of $(BUILD) (the sources stay as they
# are): the hand-written ones and a fixed sample of mechanical ones (MUTATE_PER_FILE a file)
# in the search model, the strong player, the end of a deal, the player's moves and the
# computer's move flow. Prints the share the tests catch and fails below MUTATE_BAR per cent;
# MUTATE_BUDGET caps the seconds spent planting (0: no cap).
MUTATE_BAR ?= 85
MUTATE_PER_FILE ?= 3
MUTATE_BUDGET ?= 420

mutate: build
	./scripts/mutate.py --build $(BUILD) --jobs $(JOBS) --bar $(MUTATE_BAR) \
	  --per-file $(MUTATE_PER_FILE) --budget $(MUTATE_BUDGET)

clean:
	rm -rf $(BUILD)
