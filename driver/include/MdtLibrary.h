#pragma once

/* The MDT library's one export and the function table it fills. The capabilities extension
 * and the tests include this header; the library implements it (qlx5sri6.so, 64-bit, and
 * qlx5sri3.so, 32-bit). Every entry returns nonzero on success and 0 on failure. */

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

enum {
    kMdtModelRecordSize = 118, /* bytes filled by readModelData */
    kMdtPaperRecordSize = 252  /* bytes per paper filled by readPapers */
};

typedef struct MdtFunctionTable {
    /* Set by the caller to sizeof(MdtFunctionTable) (40 on 64-bit) before MDT_InitializeA. */
    size_t size;
    /* Opens a table by file name ("QLX530Ead.mdt") in the library's own folder, without
     * regard to case; the user's table of the same model (model code + "ed.mdt") follows. */
    int (*open)(void** handle, const char* tableName);
    int (*close)(void* handle);
    /* which = 1; copies the 118-byte model record; scratch8 points at eight 32-bit values. */
    int (*readModelData)(void* handle, int which, void* buffer, uint32_t size, uint32_t* scratch8);
    /* which = 1; without a buffer: the needed size and the count only. With a buffer of at
     * least the needed size: the 252-byte paper records, presets first. */
    int (*readPapers)(void* handle, int which, void* buffer, uint32_t size, uint32_t* neededSize,
                      uint32_t* count);
} MdtFunctionTable;

typedef int (*MdtInitializeFunction)(MdtFunctionTable* table);

/* Fills the four entries; fails (0) when table is null or its size is too small. */
int MDT_InitializeA(MdtFunctionTable* table);

#ifdef __cplusplus
}
#endif
