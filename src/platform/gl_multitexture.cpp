#include "platform/gl_multitexture.h"

#include <GL/glx.h>

#include <cstring>

namespace glmt {

PFNGLMULTITEXCOORD1FARBPROC glMultiTexCoord1fARB = nullptr;
PFNGLMULTITEXCOORD2FARBPROC glMultiTexCoord2fARB = nullptr;
PFNGLMULTITEXCOORD3FARBPROC glMultiTexCoord3fARB = nullptr;
PFNGLMULTITEXCOORD4FARBPROC glMultiTexCoord4fARB = nullptr;
PFNGLACTIVETEXTUREARBPROC glActiveTextureARB = nullptr;
PFNGLCLIENTACTIVETEXTUREARBPROC glClientActiveTextureARB = nullptr;

namespace {

bool extensionsOffered = false;
bool fallbackForced = false;

template <typename Function>
Function fetch(const char* name) {
    return reinterpret_cast<Function>(glXGetProcAddressARB(reinterpret_cast<const GLubyte*>(name)));
}

}  // namespace

bool hasExtension(const char* extensions, const char* name) {
    if (extensions == nullptr || name == nullptr || *name == '\0') return false;
    const std::size_t length = std::strlen(name);
    for (const char* at = std::strstr(extensions, name); at != nullptr;
         at = std::strstr(at + 1, name)) {
        // Only a whole entry counts: GL_ARB_texture_env_combine must not match a longer name.
        const bool startsEntry = at == extensions || at[-1] == ' ';
        const bool endsEntry = at[length] == ' ' || at[length] == '\0';
        if (startsEntry && endsEntry) return true;
    }
    return false;
}

void loadMultitexture() {
    glMultiTexCoord1fARB = fetch<PFNGLMULTITEXCOORD1FARBPROC>("glMultiTexCoord1fARB");
    glMultiTexCoord2fARB = fetch<PFNGLMULTITEXCOORD2FARBPROC>("glMultiTexCoord2fARB");
    glMultiTexCoord3fARB = fetch<PFNGLMULTITEXCOORD3FARBPROC>("glMultiTexCoord3fARB");
    glMultiTexCoord4fARB = fetch<PFNGLMULTITEXCOORD4FARBPROC>("glMultiTexCoord4fARB");
    glActiveTextureARB = fetch<PFNGLACTIVETEXTUREARBPROC>("glActiveTextureARB");
    glClientActiveTextureARB = fetch<PFNGLCLIENTACTIVETEXTUREARBPROC>("glClientActiveTextureARB");
    // glXGetProcAddress may hand out a pointer for any name, so the extension
    // string decides whether the functions really work on this context.
    const char* extensions = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
    extensionsOffered = hasExtension(extensions, "GL_ARB_multitexture") &&
                        hasExtension(extensions, "GL_ARB_texture_env_combine");
}

bool multitextureAvailable() {
    return !fallbackForced && extensionsOffered && glActiveTextureARB != nullptr &&
           glMultiTexCoord2fARB != nullptr;
}

void forceMultitextureFallback(bool force) { fallbackForced = force; }

}  // namespace glmt
