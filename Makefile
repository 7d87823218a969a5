# The two commands a newcomer needs: `make run` and `make test`. Both install what is
# missing from Debian's packages first, so they work on a fresh Debian 12 machine.
BUILD        ?= build
SAN_BUILD    ?= build-sanitize
FUZZ_BUILD   ?= build-fuzz
FUZZ_SECONDS ?= 300
JOBS         ?= 2
PREFIX       ?= /usr/local

.PHONY: all deps configure build sanitize-build test run install bench fuzz fuzz-build format clean

all: build

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release -DSHORTMSG_WERROR=ON >/dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

# The core, the tools and their tests once more with clang's address and undefined-behaviour
# sanitizers (no Qt, so no widgets and no program): any finding fails the run.
sanitize-build: deps
	@CC=clang CXX=clang++ cmake -S . -B $(SAN_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DSHORTMSG_SANITIZE=ON -DSHORTMSG_QT=OFF -DSHORTMSG_WERROR=ON >/dev/null
	@cmake --build $(SAN_BUILD) -j$(JOBS)

test: build sanitize-build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 120 -j$(JOBS)
	@cd $(SAN_BUILD) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	    ctest --output-on-failure --timeout 300 -j$(JOBS)

run: build
	@scripts/run-demo.sh $(BUILD)

# Installs under PREFIX (and DESTDIR, for packaging).
install: build
	@cmake --install $(BUILD) --prefix $(PREFIX)

bench: build
	@$(BUILD)/bench/shortmsg-bench

fuzz-build: deps
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DSHORTMSG_FUZZ=ON -DSHORTMSG_WERROR=ON >/dev/null
	@cmake --build $(FUZZ_BUILD) -j$(JOBS) --target shortmsg-fuzzers

# Runs every fuzzer for FUZZ_SECONDS each, growing its corpus under tests/fuzz/corpus/.
fuzz: fuzz-build
	@scripts/run-fuzzers.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(SAN_BUILD) $(FUZZ_BUILD)
