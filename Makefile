# The two commands a newcomer needs: `make run` and `make test`. Both install what is
# missing from Debian's packages first, so they work on a fresh Debian 12 machine.
BUILD        ?= build
FUZZ_BUILD   ?= build-fuzz
FUZZ_SECONDS ?= 300
JOBS         ?= 2

.PHONY: all deps configure build test run bench fuzz fuzz-build format clean

all: build

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release -DSHORTMSG_WERROR=ON >/dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

test: build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 120 -j$(JOBS)

run: build
	@scripts/run-demo.sh $(BUILD)

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
	rm -rf $(BUILD) $(FUZZ_BUILD)
