# The rules the examples' Makefiles share. An example's Makefile names what is its own, then
# includes this file:
#   PROGRAM   the executable
#   SOURCES   the sources compiled into it; HEADERS, the headers they include
#   PACKAGES  the pkg-config packages it is compiled and linked with: trellis-glfw (a GLFW
#             program) or trellis (any other), and the libraries the program calls itself
#   DATA      its skin and dialogue, in data/
# OUT (default build) gets the executable, the data files and the font installed with trellis,
# which the program reads at start-up.
OUT ?= build
CXXFLAGS ?= -O2 -Wall -Wextra
PKG_CONFIG ?= pkg-config

PACKAGE_FLAGS := $(shell $(PKG_CONFIG) --cflags --libs $(PACKAGES))
TRELLIS_LIBDIR := $(shell $(PKG_CONFIG) --variable=libdir trellis)
TRELLIS_DATADIR := $(shell $(PKG_CONFIG) --variable=pkgdatadir trellis)

all: $(OUT)/$(PROGRAM) $(addprefix $(OUT)/,$(DATA)) $(OUT)/verdana.glf

# The run path finds a shared libtrellis outside the system's folders; a static one ignores it.
$(OUT)/$(PROGRAM): $(SOURCES) $(HEADERS) | $(OUT)
	$(CXX) -std=c++17 $(CXXFLAGS) $(SOURCES) -o $@ \
		$(PACKAGE_FLAGS) -Wl,-rpath,$(TRELLIS_LIBDIR) $(LDFLAGS)

$(OUT)/%.xml: data/%.xml | $(OUT)
	cp $< $@

$(OUT)/verdana.glf: $(TRELLIS_DATADIR)/verdana.glf | $(OUT)
	cp $< $@

$(OUT):
	mkdir -p $@

clean:
	rm -rf $(OUT)

.PHONY: all clean
