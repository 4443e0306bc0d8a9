# The two commands of the README: `make run` and `make test`. Both install what is
# missing from Debian's packages first.

BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
JOBS       ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: run test deps build build-asan bench lint fuzz clean

deps:
	@scripts/install-deps

build: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD) -j$(JOBS)

build-asan: deps
	@cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DPARTICLES_SANITIZE=ON $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(ASAN_BUILD) -j$(JOBS)

run: build
	@$(BUILD)/particles

# Every test, then every test again under AddressSanitizer and UndefinedBehaviorSanitizer.
test: build build-asan
	@ctest --test-dir $(BUILD) --output-on-failure -j$(JOBS)
	@ctest --test-dir $(ASAN_BUILD) --output-on-failure -j$(JOBS)

bench: build
	@$(BUILD)/bench/particles-bench

# clang-tidy with the committed configuration, and a clang-format check.
lint: build
	@scripts/lint $(BUILD)

# The PNG decoder under libFuzzer for FUZZ_SECONDS, from generated seeds and every
# input kept in tests/fuzz/regressions. A crash leaves its input in $(FUZZ_BUILD)/.
fuzz: deps
	@cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPARTICLES_FUZZ=ON \
	  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
	@cmake --build $(FUZZ_BUILD) -j$(JOBS)
	@mkdir -p $(FUZZ_BUILD)/corpus
	@$(FUZZ_BUILD)/tests/fuzz/make_seeds $(FUZZ_BUILD)/corpus
	@$(FUZZ_BUILD)/tests/fuzz/png_fuzz -max_total_time=$(FUZZ_SECONDS) -max_len=65536 \
	  -rss_limit_mb=4096 -print_final_stats=1 -artifact_prefix=$(FUZZ_BUILD)/ \
	  $(FUZZ_BUILD)/corpus tests/fuzz/regressions

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
