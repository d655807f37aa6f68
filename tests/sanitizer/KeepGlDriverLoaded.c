/* Linked into the programs of a sanitized build that create a GL context (trellis_keep_gl_driver
 * in cmake/TrellisKeepGlDriver.cmake): keeps Mesa's software GL driver loaded until the process
 * ends. libGL unloads the driver at exit before LeakSanitizer looks, so whatever the
 * driver still held would be reported as leaks from an unknown module, which no suppression can
 * name; with the driver in place its globals still reach that memory. */
#include <dlfcn.h>

__attribute__((constructor)) static void keepGlDriverLoaded(void) {
    dlopen(TRELLIS_GL_DRIVER, RTLD_LAZY | RTLD_NODELETE);
}
