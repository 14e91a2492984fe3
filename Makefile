# make demo: install what is missing, build, start the player on the demo disc.
# make test: install what is missing, build, run every test, then again under
#            the address and undefined-behaviour sanitizers, then a short run of
#            each fuzzer (tools/fuzz.sh runs them longer).
# make deb:  install what is missing, then a Release build in build-deb for
#            /usr with Debian's build flags, packed by CPack into
#            build-deb/autorun_<version>_<arch>.deb.
JOBS ?= $(shell nproc)
BUILD ?= build
ASAN_BUILD ?= build-asan
DEB_BUILD ?= build-deb
CCACHE := $(shell command -v ccache 2>/dev/null)

.PHONY: deps build demo test test-plain test-asan test-fuzz deb deb-package clean

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

deb: deps
	$(MAKE) deb-package

# The package alone, without looking for missing Debian packages first.
deb-package:
	export DEB_BUILD_MAINT_OPTIONS=hardening=+all; \
	CXXFLAGS="$$(dpkg-buildflags --get CXXFLAGS) $$(dpkg-buildflags --get CPPFLAGS)" \
	LDFLAGS="$$(dpkg-buildflags --get LDFLAGS)" \
	cmake -S . -B $(DEB_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
	  -DAUTORUN_DEB_PACKAGE=ON -DAUTORUN_BUILD_TESTS=OFF -DAUTORUN_BUILD_BENCH=OFF \
	  $(if $(CCACHE),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
	cmake --build $(DEB_BUILD) -j $(JOBS)
	cd $(DEB_BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(DEB_BUILD) build-fuzz
