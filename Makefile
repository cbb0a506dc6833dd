# The two everyday commands: `make run` and `make test`.
APP        ?= framewizard
BUILD      ?= build
ASAN_BUILD ?= build-asan
BENCH_BUILD ?= build-bench
SHOTS      ?= shots
CMAKE_GEN  := -G Ninja

.PHONY: all bootstrap build run test quick-test test-normal test-asan fuzz bench shots clean

all: build

bootstrap:
	@bash scripts/bootstrap.sh

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: bootstrap $(BUILD)/build.ninja
	cmake --build $(BUILD)

run: build
	./$(BUILD)/$(APP)/$(APP)

# Everyday: the normal build and its tests only.
quick-test: build
	cd $(BUILD) && ctest --output-on-failure

test-normal: quick-test

$(ASAN_BUILD)/build.ninja:
	cmake -S . -B $(ASAN_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DSUITE_SANITIZE=ON

test-asan: bootstrap $(ASAN_BUILD)/build.ninja
	cmake --build $(ASAN_BUILD)
	cd $(ASAN_BUILD) && UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure

# Short fuzzing runs of the file and number readers (clang with libFuzzer).
fuzz: bootstrap
	@if [ -x scripts/fuzz.sh ]; then bash scripts/fuzz.sh; else echo "fuzz: nothing to fuzz yet"; fi

# The whole suite: normal build, sanitizer build, then the fuzz smoke run.
test: bootstrap
	$(MAKE) test-normal
	$(MAKE) test-asan
	$(MAKE) fuzz

$(BENCH_BUILD)/build.ninja:
	cmake -S . -B $(BENCH_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release -DSUITE_BENCH=ON

bench: bootstrap $(BENCH_BUILD)/build.ninja
	cmake --build $(BENCH_BUILD)
	@for b in $(BENCH_BUILD)/bench/*/bench_*; do \
	  if [ -x "$$b" ]; then echo "== $$b"; QT_QPA_PLATFORM=offscreen "$$b"; fi; \
	done

# Renders every screen of the three programs to PNG files under $(SHOTS)/.
shots: build
	@mkdir -p $(SHOTS)
	@for s in $(BUILD)/*/shots_*; do \
	  if [ -x "$$s" ]; then echo "== $$s"; QT_QPA_PLATFORM=offscreen "$$s" $(SHOTS); fi; \
	done

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(BENCH_BUILD) $(SHOTS)
