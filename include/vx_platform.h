/* Export macros shared by every library of the tool family. */
#ifndef VX_PLATFORM_H
#define VX_PLATFORM_H

#if defined(_WIN32)
#define VX_EXPORT __declspec(dllexport)
/* A component's objects go into its DLL and into the static library that tests link,
   so a reference to another component stays plain: the import library supplies a call
   stub for each function, and the linker's auto-import the address of exported data. */
#define VX_IMPORT
#else
#define VX_EXPORT __attribute__((visibility("default")))
#define VX_IMPORT
#endif

#ifdef __cplusplus
#define VX_EXTERN_C_BEGIN extern "C" {
#define VX_EXTERN_C_END }
#else
#define VX_EXTERN_C_BEGIN
#define VX_EXTERN_C_END
#endif

#endif
