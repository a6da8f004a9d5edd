# Set-up, build, test and a sample run. BUILD_DIR may be overridden.
BUILD_DIR ?= build
BUILD_TYPE ?= Release
JOBS ?= 2
EXAMPLE ?= examples/anchored-wall.tv5d
RUN_DIR := $(BUILD_DIR)/example-run

.PHONY: build test run clean deps

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

clean:
	rm -rf $(BUILD_DIR)
