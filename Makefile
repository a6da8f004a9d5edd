# Set-up, build, test and a sample run. BUILD_DIR may be overridden.
BUILD_DIR ?= build
BUILD_TYPE ?= Release
JOBS ?= 2
EXAMPLE ?= examples/anchored-wall.tv5d
RUN_DIR := $(BUILD_DIR)/example-run

.PHONY: build test run clean deps check-sanitize

SAN_DIR ?= build-sanitize
# Executions per fuzz target in the bounded run of check-sanitize.
FUZZ_RUNS ?= 20000

build: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)
	cmake --build $(BUILD_DIR) -j$(JOBS)

deps:
	./scripts/install-deps.sh

test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j$(JOBS)

# The engine writes beside its data file, so it runs on a copy, never in examples/.
run: build
	@example="$(EXAMPLE)"; \
	if [ ! -f "$$example" ]; then example=$$(ls examples/*.tv5d 2>/dev/null | head -n 1); fi; \
	if [ -z "$$example" ]; then echo "No example data file in examples/"; exit 2; fi; \
	mkdir -p $(RUN_DIR); \
	cp "$$example" $(RUN_DIR)/; \
	$(BUILD_DIR)/bin/torven-run "$(RUN_DIR)/$$(basename "$$example")"

# The whole test suite under AddressSanitizer and UndefinedBehaviorSanitizer,
# then a short seeded run of every fuzz target.
check-sanitize:
	./scripts/install-deps.sh --sanitize
	CC=clang CXX=clang++ cmake -S . -B $(SAN_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DTORVEN_SANITIZE=ON -DTORVEN_FUZZ=ON -DTORVEN_BUILD_BENCHMARKS=OFF
	cmake --build $(SAN_DIR) -j$(JOBS)
	ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --test-dir $(SAN_DIR) --output-on-failure -j$(JOBS)
	./scripts/fuzz-smoke.sh $(SAN_DIR) $(FUZZ_RUNS)

clean:
	rm -rf $(BUILD_DIR) $(SAN_DIR)
