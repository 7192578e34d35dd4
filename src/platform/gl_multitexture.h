#pragma once
#include <GL/gl.h>
#include <GL/glext.h>

// The ARB multitexture entry points, fetched at run time because the GL
// library is only promised to export OpenGL 1.1. They live in their own
// namespace so they do not clash with the prototypes of the GL headers.
namespace glmt {

extern PFNGLMULTITEXCOORD1FARBPROC glMultiTexCoord1fARB;
extern PFNGLMULTITEXCOORD2FARBPROC glMultiTexCoord2fARB;
extern PFNGLMULTITEXCOORD3FARBPROC glMultiTexCoord3fARB;
extern PFNGLMULTITEXCOORD4FARBPROC glMultiTexCoord4fARB;
extern PFNGLACTIVETEXTUREARBPROC glActiveTextureARB;
extern PFNGLCLIENTACTIVETEXTUREARBPROC glClientActiveTextureARB;

// Fetches the six entry points and checks the extension string for
// GL_ARB_multitexture and GL_ARB_texture_env_combine. Needs a current GL
// context; safe to call again (each call fetches afresh).
void loadMultitexture();
// True when the two-unit drawing may be used: both extensions are offered,
// the entry points it calls are set, and no fallback is forced.
bool multitextureAvailable();
// Makes multitextureAvailable() false while set, for testing the one-unit path.
void forceMultitextureFallback(bool force);

// Whether `name` is one whole, space-separated entry of `extensions`.
bool hasExtension(const char* extensions, const char* name);

}  // namespace glmt
