#include "media/mpv/MpvLibrary.h"
#include "ui/Errors.h"
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>
#include <thread>
#include <mpv/client.h>
#include <mpv/render.h>
#include <mpv/stream_cb.h>

// The build passes the file name of the library it found, with its major
// version (its soname): the development link "libmpv.so" is not installed
// where only the run-time package is.
#ifndef AUTORUN_MPV_LIBRARY
#error "AUTORUN_MPV_LIBRARY (the soname of libmpv) must be defined by the build"
#endif

namespace {

// Every function of the library that the media framework calls. A function
// added to the framework's calls goes here and among the forwarders below.
#define AUTORUN_MPV_FUNCTIONS(X)                                                                                   \
    X(mpv_command_async)                                                                                           \
    X(mpv_command_node)                                                                                            \
    X(mpv_create)                                                                                                  \
    X(mpv_error_string)                                                                                            \
    X(mpv_free)                                                                                                    \
    X(mpv_free_node_contents)                                                                                      \
    X(mpv_get_property)                                                                                            \
    X(mpv_get_property_string)                                                                                     \
    X(mpv_initialize)                                                                                              \
    X(mpv_observe_property)                                                                                        \
    X(mpv_render_context_create)                                                                                   \
    X(mpv_render_context_free)                                                                                     \
    X(mpv_render_context_render)                                                                                   \
    X(mpv_render_context_set_update_callback)                                                                      \
    X(mpv_render_context_update)                                                                                   \
    X(mpv_request_log_messages)                                                                                    \
    X(mpv_set_option_string)                                                                                       \
    X(mpv_set_property_async)                                                                                      \
    X(mpv_set_wakeup_callback)                                                                                     \
    X(mpv_stream_cb_add_ro)                                                                                        \
    X(mpv_terminate_destroy)                                                                                       \
    X(mpv_wait_event)

// The loaded library: its functions, or why it cannot serve. Trivially
// destructible on purpose, so that a load still running on the preload thread
// while the program ends leaves nothing to destroy.
struct Library {
#define AUTORUN_MPV_POINTER(name) decltype(&::name) name = nullptr;
    AUTORUN_MPV_FUNCTIONS(AUTORUN_MPV_POINTER)
#undef AUTORUN_MPV_POINTER
    char failure[512] = {};  // empty when every function was found
};

std::atomic<const char*> libraryFile{AUTORUN_MPV_LIBRARY};

// How the library is opened.
//
// Bound lazily, each function on its first call, like a linked library:
// binding every symbol of the ~190 libraries at once costs about a quarter
// more instructions than the loading itself (368 against 292 million under
// callgrind), most of them for functions never called.
//
// Its dependencies look up their symbols in their own scope first: otherwise
// each lookup goes through the ~76 objects the program already holds (Qt and
// its libraries) before it reaches the media libraries, and the load took
// about 20 ms longer (some 115 against 96 ms), which an intro clip, whose file
// the library opens at once, waits for. The objects both share (the C and C++
// runtimes, X) are the same objects either way, and the program has no copy
// relocations that a library's own scope would miss. A preload (a memory
// tool, another allocator) or the sanitizers put their functions in front of
// the C library's, and every library must see them, so then the usual order
// holds.
#if defined(__SANITIZE_ADDRESS__)
#define AUTORUN_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define AUTORUN_ADDRESS_SANITIZER 1
#endif
#endif

int openFlags() {
    int flags = RTLD_LAZY | RTLD_LOCAL;
#if defined(RTLD_DEEPBIND) && !defined(AUTORUN_ADDRESS_SANITIZER)
    const char* preload = std::getenv("LD_PRELOAD");
    if (!preload || !*preload) flags |= RTLD_DEEPBIND;
#endif
    return flags;
}

Library open(const char* file) {
    Library lib;
    void* handle = dlopen(file, openFlags());
    if (!handle) {
        const char* why = dlerror();
        std::snprintf(lib.failure, sizeof lib.failure, "media library: %s cannot be loaded (%s)", file,
                      why ? why : "unknown cause");
        return lib;
    }
#define AUTORUN_MPV_RESOLVE(name)                                                                                  \
    lib.name = reinterpret_cast<decltype(lib.name)>(dlsym(handle, #name));                                         \
    if (!lib.name) {                                                                                               \
        std::snprintf(lib.failure, sizeof lib.failure, "media library: %s lacks the function %s", file, #name);   \
        dlclose(handle);                                                                                           \
        return lib;                                                                                                \
    }
    AUTORUN_MPV_FUNCTIONS(AUTORUN_MPV_RESOLVE)
#undef AUTORUN_MPV_RESOLVE
    // The library stays loaded for the life of the process.
    return lib;
}

// Loaded on the first call from any thread; a call meanwhile on another
// thread waits for that load to finish.
const Library& library() {
    static const Library loaded = open(libraryFile.load());
    return loaded;
}

// The library for a call into it: throws when it cannot serve.
const Library& functions() {
    const Library& lib = library();
    if (lib.failure[0]) throw ui::MediaError(QString::fromLocal8Bit(lib.failure));
    return lib;
}

// The preload thread, joined at exit so that the program never ends with a
// load half done on another thread.
struct Preloader {
    std::thread thread;
    ~Preloader() {
        if (thread.joinable()) thread.join();
    }
};

}  // namespace

namespace media {

void LoadMpvLibrary() { (void)functions(); }

void PreloadMpvLibrary() {
    static Preloader preloader{std::thread([] { (void)library(); })};
}

void UseMpvLibraryFileForTests(const char* file) { libraryFile.store(file); }

}  // namespace media

// The library's C functions, forwarded to the loaded library.
extern "C" {

int mpv_command_async(mpv_handle* ctx, uint64_t reply_userdata, const char** args) {
    return functions().mpv_command_async(ctx, reply_userdata, args);
}

int mpv_command_node(mpv_handle* ctx, mpv_node* args, mpv_node* result) {
    return functions().mpv_command_node(ctx, args, result);
}

mpv_handle* mpv_create(void) { return functions().mpv_create(); }

// Called on failure paths to word an error code: it answers even when the
// library could not be loaded, and never starts a load.
const char* mpv_error_string(int error) {
    const Library& lib = library();
    return lib.failure[0] ? "the media library is not loaded" : lib.mpv_error_string(error);
}

void mpv_free(void* data) {
    if (data) functions().mpv_free(data);
}

void mpv_free_node_contents(mpv_node* node) { functions().mpv_free_node_contents(node); }

int mpv_get_property(mpv_handle* ctx, const char* name, mpv_format format, void* data) {
    return functions().mpv_get_property(ctx, name, format, data);
}

char* mpv_get_property_string(mpv_handle* ctx, const char* name) {
    return functions().mpv_get_property_string(ctx, name);
}

int mpv_initialize(mpv_handle* ctx) { return functions().mpv_initialize(ctx); }

int mpv_observe_property(mpv_handle* mpv, uint64_t reply_userdata, const char* name, mpv_format format) {
    return functions().mpv_observe_property(mpv, reply_userdata, name, format);
}

int mpv_render_context_create(mpv_render_context** res, mpv_handle* mpv, mpv_render_param* params) {
    return functions().mpv_render_context_create(res, mpv, params);
}

void mpv_render_context_free(mpv_render_context* ctx) { functions().mpv_render_context_free(ctx); }

int mpv_render_context_render(mpv_render_context* ctx, mpv_render_param* params) {
    return functions().mpv_render_context_render(ctx, params);
}

void mpv_render_context_set_update_callback(mpv_render_context* ctx, mpv_render_update_fn callback,
                                            void* callback_ctx) {
    functions().mpv_render_context_set_update_callback(ctx, callback, callback_ctx);
}

uint64_t mpv_render_context_update(mpv_render_context* ctx) { return functions().mpv_render_context_update(ctx); }

int mpv_request_log_messages(mpv_handle* ctx, const char* min_level) {
    return functions().mpv_request_log_messages(ctx, min_level);
}

int mpv_set_option_string(mpv_handle* ctx, const char* name, const char* data) {
    return functions().mpv_set_option_string(ctx, name, data);
}

int mpv_set_property_async(mpv_handle* ctx, uint64_t reply_userdata, const char* name, mpv_format format,
                           void* data) {
    return functions().mpv_set_property_async(ctx, reply_userdata, name, format, data);
}

void mpv_set_wakeup_callback(mpv_handle* ctx, void (*cb)(void* d), void* d) {
    functions().mpv_set_wakeup_callback(ctx, cb, d);
}

int mpv_stream_cb_add_ro(mpv_handle* ctx, const char* protocol, void* user_data,
                         mpv_stream_cb_open_ro_fn open_fn) {
    return functions().mpv_stream_cb_add_ro(ctx, protocol, user_data, open_fn);
}

void mpv_terminate_destroy(mpv_handle* ctx) { functions().mpv_terminate_destroy(ctx); }

mpv_event* mpv_wait_event(mpv_handle* ctx, double timeout) { return functions().mpv_wait_event(ctx, timeout); }

}  // extern "C"
