# Set-up and everyday commands. `make run` and `make test` install whatever
# build packages are missing (Debian/Ubuntu), build, and run.

BUILD_DIR ?= build
BUILD_TYPE ?= Release
PREFIX ?= /usr/local
# Parallel compile jobs: one per core, so a build does not swamp the machine.
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
# The game finds waiting games on the local network through the Avahi
# client library, which CMake finds with pkg-config.
# Qt's Linguist tools build the catalogues of the game's languages; Qt's own
# catalogues translate the buttons of its dialogs.
PACKAGES := cmake g++ make qt6-base-dev libavahi-client-dev pkgconf qt6-tools-dev qt6-l10n-tools \
	qt6-translations-l10n
# The tests also check the desktop entry and the AppStream file with the
# freedesktop validators, and switch accessibility on through Qt's private
# platform interface to see the events a screen reader gets. The discovery
# tests run Avahi daemons on system buses of their own (dbus) in network
# namespaces (unshare and nsenter from util-linux, ip from iproute2), and
# stop and wake them with pkill (procps).
TEST_PACKAGES := desktop-file-utils appstream qt6-base-private-dev avahi-daemon dbus iproute2 util-linux procps
# dpkg-shlibdeps works out the Debian package's library dependencies, and
# CPack runs file to find the programs among the packed files.
PACKAGE_PACKAGES := dpkg-dev file
PACKAGE_BUILD_DIR ?= build-pkg
# libFuzzer comes with clang's runtime.
FUZZ_PACKAGES := clang-14 libclang-rt-14-dev
FUZZ_SECONDS ?= 60
SANITIZER_ENV := QT_QPA_PLATFORM=offscreen \
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizers/lsan.supp

.PHONY: run test build build-game configure deps test-deps install package package-deps screenshots check-sanitize fuzz fuzz-replay bench mutants clean

# Checks for a display before installing or building anything, then builds
# the game alone: the tests and tools are not needed to play. The build runs
# as a sub-make so that the check comes first even under make -j.
run:
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
		echo "make run: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set); start Kelmo from a desktop session."; \
		exit 1; \
	fi
	@$(MAKE) --no-print-directory build-game
	./$(BUILD_DIR)/kelmo

# Builds what the tests run, and no more: the tools and the benchmark wait
# for their own targets.
TEST_TARGETS := kelmo kelmo-tests kelmo-fuzz-replay

test: test-deps configure
	cmake --build $(BUILD_DIR) --parallel $(JOBS) --target $(TEST_TARGETS)
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure

# Installs into $(PREFIX), below $(DESTDIR) when that is set.
install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD_DIR) --prefix $(PREFIX)

# Builds the Debian package $(PACKAGE_BUILD_DIR)/kelmo_<version>_<arch>.deb
# from the install rules, for /usr, with the program in /usr/games where
# Debian keeps its games. Only what the package holds is built;
# CMAKE_SKIP_INSTALL_ALL_DEPENDENCY keeps CPack from building the tests too.
# The program, which may listen on a privileged port, is built with the
# hardening flags Debian builds its own packages with.
package: package-deps
	export DEB_BUILD_MAINT_OPTIONS=hardening=+all; \
	cmake -S . -B $(PACKAGE_BUILD_DIR) -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
		-DCMAKE_INSTALL_BINDIR=games -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON \
		-DCMAKE_CXX_FLAGS="$$(dpkg-buildflags --get CPPFLAGS) $$(dpkg-buildflags --get CXXFLAGS)" \
		-DCMAKE_EXE_LINKER_FLAGS="$$(dpkg-buildflags --get LDFLAGS)"
	cmake --build $(PACKAGE_BUILD_DIR) --parallel $(JOBS) --target kelmo-install-files
	cd $(PACKAGE_BUILD_DIR) && cpack -G DEB

package-deps:
	@$(MAKE) --no-print-directory install-packages WANTED="$(PACKAGES) $(PACKAGE_PACKAGES)"

# Renders the windows, without a display, into docs/.
screenshots: build
	QT_QPA_PLATFORM=offscreen ./$(BUILD_DIR)/kelmo-screenshots docs

# Every test again, built with AddressSanitizer and UndefinedBehaviorSanitizer.
check-sanitize: test-deps
	cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DKELMO_SANITIZE=ON
	cmake --build build-sanitize --parallel $(JOBS) --target $(TEST_TARGETS)
	cd build-sanitize && $(SANITIZER_ENV) ctest --output-on-failure

build-fuzz/kelmo-fuzz: fuzz-deps FORCE
	cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14 -DKELMO_FUZZ=ON
	cmake --build build-fuzz --parallel $(JOBS) --target kelmo-fuzz

# Runs the network receive fuzzer for FUZZ_SECONDS (default 60). New inputs
# go to build-fuzz/corpus; a failing input is written to build-fuzz/.
fuzz: build-fuzz/kelmo-fuzz
	mkdir -p build-fuzz/corpus
	$(SANITIZER_ENV) ./build-fuzz/kelmo-fuzz -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
		-artifact_prefix=build-fuzz/ build-fuzz/corpus fuzz/corpus tests/fuzz-regressions

# Runs every kept input, and every input that once failed, once.
fuzz-replay: build-fuzz/kelmo-fuzz
	$(SANITIZER_ENV) ./build-fuzz/kelmo-fuzz -runs=0 fuzz/corpus tests/fuzz-regressions

fuzz-deps:
	@$(MAKE) --no-print-directory install-packages WANTED="$(PACKAGES) $(FUZZ_PACKAGES)"

.PHONY: fuzz-deps FORCE
FORCE:

# Applies each mutant of tools/mutants.txt to a scratch copy of the tree in
# build-mutants/, one at a time, and runs the tests against it: which tests
# catch which fault, and the kill rate. Takes a while; not part of make test.
# The script is Python, which Debian has but a bare system may lack.
mutants: test-deps
	@$(MAKE) --no-print-directory install-packages WANTED="python3"
	python3 tools/mutants.py --jobs $(JOBS)

# Start-up, memory, move latency and idle wake-ups against their floors.
# Start-up is measured once more on a desktop-like session (Xvfb, D-Bus,
# the accessibility bus) when xvfb, dbus and at-spi2-core are installed;
# without them that row says it was skipped.
bench: build
	cd $(BUILD_DIR)/bench && QT_QPA_PLATFORM=offscreen $(CURDIR)/bench/desktop-session \
		./kelmo-bench ./kelmo-startup-probe ./bare-window-probe ../kelmo

# Everything: the game, the icon theme, the tests and the tools.
build: configure
	cmake --build $(BUILD_DIR) --parallel $(JOBS)

build-game: configure
	cmake --build $(BUILD_DIR) --parallel $(JOBS) --target kelmo

configure: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)

# Installs only the packages that are not installed yet.
deps:
	@$(MAKE) --no-print-directory install-packages WANTED="$(PACKAGES)"

test-deps:
	@$(MAKE) --no-print-directory install-packages WANTED="$(PACKAGES) $(TEST_PACKAGES)"

.PHONY: install-packages
install-packages:
	@missing=""; \
	if command -v dpkg-query >/dev/null 2>&1; then \
		for p in $(WANTED); do \
			dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed' || missing="$$missing $$p"; \
		done; \
	else \
		for c in cmake g++ make; do command -v $$c >/dev/null 2>&1 || missing="$$missing $$c"; done; \
		if [ -n "$$missing" ]; then missing="$$missing qt6-base-dev"; fi; \
	fi; \
	if [ -n "$$missing" ]; then \
		if ! command -v apt-get >/dev/null 2>&1; then \
			echo "Kelmo needs these packages:$$missing; apt-get was not found, so please install them (or your system's equivalents) by hand."; \
			exit 1; \
		fi; \
		if [ "$$(id -u)" -eq 0 ]; then sudo=""; \
		elif command -v sudo >/dev/null 2>&1; then sudo="sudo"; \
		else echo "Kelmo needs these packages:$$missing; run make as root or install sudo."; exit 1; fi; \
		echo "Installing:$$missing"; \
		$$sudo apt-get update && \
		DEBIAN_FRONTEND=noninteractive $$sudo apt-get install -y --no-install-recommends $$missing; \
	fi

clean:
	rm -rf $(BUILD_DIR)
