/* Tool-base services: the tool family's shared messages, script locations, status texts. */
#ifndef LIBZORNATBS_H
#define LIBZORNATBS_H

#include <stdint.h>

#include "libzornaks.h"

#if defined(BUILDING_LIBZORNATBS)
#define ZORNATBS_API VX_EXPORT
#else
#define ZORNATBS_API VX_IMPORT
#endif

VX_EXTERN_C_BEGIN

/* Indexes into the tool-base message table. */
#define TBS_MSG_NO_MEMORY 39
#define TBS_MSG_NOT_A_NUMBER 98       /* one argument: the text */
#define TBS_MSG_UNEXPECTED_OPERAND 99 /* one argument: the operand */
#define TBS_MSG_UNHANDLED_FLAG 100
#define TBS_MSG_COMMENT_REQUIRED 101
#define TBS_MSG_SCRIPT_PATH_TOO_LONG 102 /* the script's name, the longest path */

/* Size of the buffer handed to tbs_product_script_dir. */
#define TBS_SCRIPT_PATH_MAX 1024

ZORNATBS_API const msg_table_t *_tbs_cmsg_tbs_msg_table_adr(void);
/* Writes "<product script directory>/<name>" into `buffer` (TBS_SCRIPT_PATH_MAX bytes)
   and returns `buffer`. A path that does not fit is never cut: `buffer` is left empty
   and NULL returned, for the caller to report (TBS_MSG_SCRIPT_PATH_TOO_LONG). The script
   directory is the environment variable VX_SCRIPT_DIR when set and not empty, else
   "/opt/vexar/scripts". */
ZORNATBS_API char *tbs_product_script_dir(char *buffer, const char *script_name);
/* A text for a status value. */
ZORNATBS_API const char *tbs_strerror(int32_t status);

VX_EXTERN_C_END

#endif
