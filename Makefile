# make demo: install what is missing, build, start the player on the demo disc.
# make test: install what is missing, build, run every test, then again under
#            the address and undefined-behaviour sanitizers, then a short run of
#            each fuzzer (tools/fuzz.sh runs them longer).
JOBS ?= $(shell nproc)
BUILD ?= build
ASAN_BUILD ?= build-asan

.PHONY: deps build demo test test-plain test-asan test-fuzz clean

deps:
	@tools/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

demo: build
	cmake --build $(BUILD) --target demo-disc
	$(BUILD)/demo-disc/autorun

test: test-plain test-asan test-fuzz

test-plain: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

test-asan: deps
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DAUTORUN_SANITIZE=ON -DAUTORUN_BUILD_BENCH=OFF
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ctest --output-on-failure -j $(JOBS)

test-fuzz: deps
	tools/fuzz.sh 20

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) build-fuzz
