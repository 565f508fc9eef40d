/* Indexes of the vexar message catalog. A routine passes the index, with the table of
   _vx_cmdsyn_vexar_msg_table_adr(), to imsg_print. */
#ifndef VX_CMDSYN_MSG_H
#define VX_CMDSYN_MSG_H

#include <stdint.h>

#include "libzornaks.h"

#define VX_MSG_SET 58
#define VX_MSG_COUNT 148

enum vx_msg_index {
    MSG_VOB_REQUIRED = 0,                  /* 1: Must specify pathname to VOB object or VOB storage direct... */
    MSG_RPTYPE_NAME_REQUIRED = 1,          /* 2: Replica type name required.\n */
    MSG_RPTYPE_OR_FILTER_REQUIRED = 2,     /* 3: Replica type name or filter file name required.\n */
    MSG_RPTYPE_OR_FILTER_ONLY_ONE = 3,     /* 4: Specify only one of replica type name or filter file.\n */
    MSG_RPTYPE_FLAG_REQUIRED = 4,          /* 5: Flag '-rptype' required.\n */
    MSG_RPTYPE_REQUIRED = 5,               /* 6: Must specify replica type.\n */
    MSG_OPLOG_ENTRY_REQUIRED = 6,          /* 7: Operation log entry number required.\n */
    MSG_SUPERTYPE_REQUIRED = 7,            /* 8: Must specify supertype name.\n */
    MSG_MODE_REQUIRED = 8,                 /* 9: One of '-export', '-import', '-cancel' or '-wait_for_jobs... */
    MSG_INVALID_COMBINATION = 9,           /* 10: Invalid flag combination.\n */
    MSG_PACKET_FILE_REQUIRED = 10,         /* 11: Packet file name required.\n */
    MSG_REPLICA_SPECS_REQUIRED = 11,       /* 12: Replica specifications required.\n */
    MSG_INVALID_REPLICA_SPEC = 12,         /* 14: Invalid replica specification: %s\n */
    MSG_PACKET_OR_STAGING_REQUIRED = 13,   /* 15: Packet file name or staging directory name required.\n */
    MSG_RPTYPE_OR_REPLICA_REQUIRED = 14,   /* 16: One of replica type name or replica name required.\n */
    MSG_RPTYPE_OR_REPLICA_ONLY_ONE = 15,   /* 17: Only one of replica type or replica name can be specified... */
    MSG_PACKET_FLAG_REQUIRED = 16,         /* 18: Flag '-packet' required.\n */
    MSG_SOURCE_FILE_REQUIRED = 17,         /* 19: Source file name required.\n */
    MSG_ELEMENT_REQUIRED = 18,             /* 20: Must specify pathname to VOB element.\n */
    MSG_ATTYPE_REQUIRED = 19,              /* 21: Must specify attribute type.\n */
    MSG_BRTYPE_REQUIRED = 20,              /* 22: Must specify branch type.\n */
    MSG_ELTYPE_REQUIRED = 21,              /* 23: Must specify element type.\n */
    MSG_HLTYPE_REQUIRED = 22,              /* 24: Must specify hyperlink type.\n */
    MSG_LBTYPE_REQUIRED = 23,              /* 25: Must specify label type.\n */
    MSG_UNRECOGNIZED_COMMAND = 24,         /* 29: Unrecognized command: \"%s\"\n */
    MSG_NOTHING_TO_CHANGE = 25,            /* 30: Must specify something to change.\n */
    MSG_HLINK_REQUIRED = 26,               /* 31: Hyperlink selector required.\n */
    MSG_NOTIFY_REQUIRED = 27,              /* 32: Notification e-mail address required.\n */
    MSG_SCLASS_REQUIRED = 28,              /* 33: Storage class name required.\n */
    MSG_PEXPIRE_REQUIRED = 29,             /* 34: Expiration date required.\n */
    MSG_SHIP_MODE_REQUIRED = 30,           /* 35: Must specify one of -out, -ship, or -fship.\n */
    MSG_VOB_TAG_REQUIRED = 31,             /* 36: Must specify VOB mount tag.\n */
    MSG_EPOCH_ROW_REQUIRED = 32,           /* 37: Epoch table row (replica name) required.\n */
    MSG_NO_VOB_WITH_FILE = 33,             /* 38: Cannot specify a VOB when editing a named file.\n */
    MSG_INVALID_EPOCH_SPEC = 34,           /* 39: Invalid epoch specification: %s\n */
    MSG_WORKDIR_REQUIRED = 35,             /* 40: Must specify work directory.\n */
    MSG_PATH_NOT_ABSOLUTE = 36,            /* 41: Pathname must be absolute \"%s\".\n */
    MSG_HOST_REQUIRED = 37,                /* 42: Must specify host name.\n */
    MSG_PATH_REQUIRED = 38,                /* 43: Pathname required.\n */
    MSG_MOUNT_OPTIONS_REQUIRED = 39,       /* 44: Must specify comma-separated mount options.\n */
    MSG_ORIGINAL_REPLICA_REQUIRED = 40,    /* 45: Must specify original replica name.\n */
    MSG_NEW_REPLICA_REQUIRED = 41,         /* 46: Must specify new replica name.\n */
    MSG_MAXSIZE_REQUIRED = 42,             /* 47: Must specify a maximum packet size.\n */
    MSG_REPLICA_REQUIRED = 43,             /* 48: Must specify replica.\n */
    MSG_HOST_HPATH_GPATH_TOGETHER = 44,    /* 49: Must specify all flags (-host, -hpath, and -gpath) if any... */
    MSG_PASSWORD_REQUIRED = 45,            /* 51: Password required.\n */
    MSG_COMMENT_REQUIRED = 46,             /* 52: Comment required.\n */
    MSG_REGION_REQUIRED = 47,              /* 53: Region required.\n */
    MSG_FILTER_FILE_REQUIRED = 48,         /* 54: Filter file name required.\n */
    MSG_INVALID_SIZE = 49,                 /* 55: Invalid size specification: %s\n */
    MSG_DATE_TIME_REQUIRED = 50,           /* 56: Date-time string required.\n */
    MSG_HELP_INIT_FAILED = 51,             /* 57: Cannot initialize help system.\n */
    MSG_STRING_REQUIRED = 52,              /* 58: String required.\n */
    MSG_USAGE_APROPOS = 53,                /* 59: Usage: apropos topic ...\n */
    MSG_USAGE_RESTOREREPLICA = 54,         /* 62: Usage: restorereplica [-c comment | -cfile pname | -cq | ... */
    MSG_USAGE_RECOVERPACKET = 55,          /* 63: Usage: recoverpacket [-c comment | -cfile pname | -cq | -... */
    MSG_USAGE_LSEXPORT = 56,               /* 64: Usage: lsexport [-since date-time] replica-selector ...\n */
    MSG_USAGE_CHREPLICA_OLD = 57,          /* 66: Usage: chreplica [-c comment | -cfile pname | -cq | -cqe ... */
    MSG_USAGE_RNREPLICA = 58,              /* 68: Usage: rnreplica [-c comment | -cfile pname | -cq | -cqe ... */
    MSG_USAGE_RMREPLICA = 59,              /* 69: Usage: rmreplica [-c comment | -cfile pname | -cq | -cqe ... */
    MSG_USAGE_MKRPTYPE = 60,               /* 71: Usage: mkrptype [-replace] [-supertype replica-type-selec... */
    MSG_USAGE_MKRPTYPE_OLD = 61,           /* 72: Usage: mkrptype [-replace] [-supertype replica-type-selec... */
    MSG_USAGE_DUMPOPLOG = 62,              /* 74: Usage: dumpoplog [-short | -long] [-name] [-invob vob-sel... */
    MSG_OBSOLETE_COMMAND = 63,             /* 75: Obsolete command. Use \"rename\".\n */
    MSG_LIMIT_REQUIRED = 64,               /* 81: Packet limit required.\n */
    MSG_USAGE_LSEPOCH = 65,                /* 88: Usage: lsepoch [ -invob vob-selector | [ -actual ] replic... */
    MSG_USAGE_CHEPOCH = 66,                /* 89: Usage: chepoch [-c comment | -cfile pname | -cq | -cqe | ... */
    MSG_PRESERVE_REQUIRED = 67,            /* 91: Must specify whether replica is ownership-preserving (-pr... */
    MSG_PATH_NOT_UNC = 68,                 /* 92: Must specify path in a non-UNC style (e.g. drive:\\share\... */
    MSG_VOB_STG_OR_STGLOC_REQUIRED = 69,   /* 93: Must specify VOB storage directory pathname or Server Sto... */
    MSG_STGLOC_REQUIRED = 70,              /* 94: Server Storage Location name must be specified.\n */
    MSG_RAISE_ONLY_NEEDS_ACTUAL = 71,      /* 95: Use of -raise_only requires -actual.\n */
    MSG_OBSOLETE_FLAG = 72,                /* 96: Obsolete command or flag: \"%s\"\n */
    MSG_USAGE_FAMILYSYNCSTATUS = 73,       /* 100: Usage: familysyncstatus -summary [-region region-name]\n ... */
    MSG_REPORT_KIND_REQUIRED = 74,         /* 101: Must specify one of '-summary', '-health', '-epochdiff' o... */
    MSG_TIME_UNIT_REQUIRED = 75,           /* 102: Must specify one of 'days', 'hours' or 'minutes'.\n */
    MSG_JOB_ID_REQUIRED = 76,              /* 104: Must specify job identity number.\n */
    MSG_VIEW_TAG_REQUIRED = 77,            /* 105: Must specify view tag.\n */
    MSG_EXPORTING_REPLICA_REQUIRED = 78,   /* 106: Must specify exporting replica.\n */
    MSG_INVALID_JOB_ID_SPEC = 79,          /* 107: Invalid job-id specification: %s\n */
    MSG_USAGE_SYNCINFO = 80,               /* 108: Usage: syncinfo -job {job-id | job-uuid}[,...] [-host hos... */
    MSG_USER_REQUIRED = 81,                /* 109: User name must be specified.\n */
    MSG_SCAN_DIRECTION_REQUIRED = 82,      /* 110: Scan direction must be specified.\n */
    MSG_STATE_REQUIRED = 83,               /* 111: Must specify one of 'complete', 'pending', 'waiting', 'ac... */
    MSG_QUEUED_OR_RETURNED_REQUIRED = 84,  /* 112: Must specify one of 'queued' or 'returned'.\n */
    MSG_IMPORTING_REPLICA_REQUIRED = 85,   /* 113: Must specify importing replica.\n */
    MSG_MINUTES_REQUIRED = 86,             /* 114: Must specify time in minutes.\n */
    MSG_EVLIST_REQUIRED = 87,              /* 115: Must specify desired environment variables.\n */
    MSG_EVLIST_NAME_VALUE = 88,            /* 116: Must specify NAME=VALUE in comma-separated list\n */
    MSG_USAGE_CHSETTING_SCOPES_UNSET = 89, /* 120: Usage: chsetting -site [-rgy rgy-hostname -password rgy-p... */
    MSG_SCOPE_REQUIRED = 90,               /* 121: Must specify one of '-site', '-host' or '-replica'.\n */
    MSG_REPLICA_NAME_REQUIRED = 91,        /* 122: Must specify replica name.\n */
    MSG_SETTINGS_REQUIRED = 92,            /* 123: Must supply setting name(s) or setting name(s) and value(... */
    MSG_USAGE_CHREPLICA = 93,              /* 125: Usage: chreplica [-c comment | -cfile pname | -cq | -cqe ... */
    MSG_USAGE_MKREPLICA_NCAEXPORTED = 94,  /* 126: Usage: mkreplica -export -workdir temp-dir-pname [-maxsiz... */
    MSG_USAGE_MKREPLICA = 95,              /* 127: Usage: mkreplica -export -workdir temp-dir-pname [-maxsiz... */
    MSG_SIBLING_NEEDS_REPLICA = 96,        /* 128: Must specify '-replica' when specifying '-sibling'.\n */
    MSG_HOST_OR_REPLICA_REQUIRED = 97,     /* 129: Must specify one of '-host' or '-replica'.\n */
    MSG_JOB_NEEDS_HOST = 98,               /* 130: Must specify '-host' when specifying a specific job (via ... */
    MSG_INVALID_JOB_ID = 99,               /* 131: %s cannot be converted to a valid job ID.\n */
    MSG_INVALID_JOB_UUID = 100,            /* 132: %s cannot be converted to a valid job UUID.\n */
    MSG_FILTER_WITH_JOB = 101,             /* 133: Cannot specify filter options (such as -startscan or -exp... */
    MSG_JOB_UUID_REQUIRED = 102,           /* 134: Must specify job identity UUID.\n */
    MSG_USAGE_SHIPINFO = 103,              /* 135: Usage: shipinfo -job {job-id | job-uuid} [-host hostname]... */
    MSG_FILETYPE_REQUIRED = 104,           /* 136: File type must be specified.\n */
    MSG_NO_SLEEP_WHEN_CANCELLING = 105,    /* 137: Cannot specify pacerd sleep durations when cancelling a j... */
    MSG_SLEEP_KIND_REQUIRED = 106,         /* 138: Must specify at least one progress kind and sleep duratio... */
    MSG_USAGE_PERFINFO = 107,              /* 139: Usage: perfinfo [-replica replica-selector | -sibling rep... */
    MSG_GRANULARITY_REQUIRED = 108,        /* 140: When you specify -granularity, you must also specify one ... */
    MSG_INVALID_SETTING_VALUE = 109,       /* 141: Invalid setting/value combination!\n */
    MSG_DAYS_REQUIRED = 110,               /* 142: Must specify time in days.\n */
    MSG_STORAGE_BAY_REQUIRED = 111,        /* 143: Must specify storage bay path.\n */
    MSG_RETURN_BAY_REQUIRED = 112,         /* 144: Must specify return bay path.\n */
    MSG_RECEIPT_HANDLER_REQUIRED = 113,    /* 145: Must specify receipt handler path.\n */
    MSG_NEXT_HOP_REQUIRED = 114,           /* 146: Must specify a host name for next hop.\n */
    MSG_DEST_HOSTS_REQUIRED = 115,         /* 147: Must specify routing destination hosts.\n */
    MSG_ADMIN_EMAIL_REQUIRED = 116,        /* 148: Must specify admin email address.\n */
    MSG_NOTIFY_PROGRAM_REQUIRED = 117,     /* 149: Must specify email notification program path.\n */
    MSG_PORT_REQUIRED = 118,               /* 150: Must specify a valid network port id.\n */
    MSG_USAGE_CHSHIPCONFIG = 119,          /* 151: Usage:  chshipconfig -sclass storage-class\n\t\t     {-ne... */
    MSG_USAGE_LSSHIPCONFIG = 120,          /* 152: Usage: lsshipconfig [-host hostname]\n                   ... */
    MSG_SYNC_WINDOW_REQUIRED = 121,        /* 154: Sync Status Time Window required.\n */
    MSG_UNSET_PARAMETER_REQUIRED = 122,    /* 155: Must specify parameter to unset.\n */
    MSG_USAGE_VXACL = 123,                 /* 157: Usage: vxacl {-get | -edit | -set pname [-force]}[-host h... */
    MSG_ACL_OP_REQUIRED = 124,             /* 158: Must specify one of -get, -edit, or -set.\n */
    MSG_RGY_HOST_REQUIRED = 125,           /* 159: Must specify registry server hostname\n */
    MSG_CONTACT_REPLICA_REQUIRED = 126,    /* 160: Must specify a replica name to contact.\n */
    MSG_JOBS_FILE_REQUIRED = 127,          /* 162: Must specify created jobs file\n */
    MSG_ONLY_ONE_JOB_ID = 128,             /* 164: Must specify only one job identity number.\n */
    MSG_JFILE_OR_JOB_REQUIRED = 129,       /* 165: Must specify one of -jfile or -job.\n */
    MSG_INVALID_LOCKWAIT = 130,            /* 168: Invalid lockwait time specification. \n */
    MSG_ALL_OR_VOB_REQUIRED = 131,         /* 170: Must specify one of -all or -vob.\n */
    MSG_MANAGE_MODE_REQUIRED = 132,        /* 171: Must specify one of -manage, -nmanage or -inquire.\n */
    MSG_MAX_ATTEMPTS_REQUIRED = 133,       /* 174: Must specify the maximum number of times to attempt the i... */
    MSG_RETRY_INTERVAL_REQUIRED = 134,     /* 175: Must specify a minimum interval at which to retry the imp... */
    MSG_INVALID_MAX_ATTEMPTS = 135,        /* 176: Invalid max_attempts specification.\n */
    MSG_INVALID_RETRY_INTERVAL = 136,      /* 177: Invalid retry_interval specification.\n */
    MSG_USAGE_CHSETTING_SCOPES = 137,      /* 179: Usage: chsetting -site [-rgy rgy-hostname -password rgy-p... */
    MSG_LIMIT_NOT_POSITIVE = 138,          /* 180: Number of packets must be greater than 0.\n */
    MSG_SCHEMA_REQUIRED = 139,             /* 181: Schema required.\n */
    MSG_ENDRANGE_WITHOUT_LONG = 140,       /* 182: Can not use -endrange without -long\n */
    MSG_OPRANGE_REQUIRED = 141,            /* 183: Must specify oplog ranges.\n */
    MSG_USAGE_LSPACKET = 142,              /* 184: Usage: lspacket [-long [-endrange] | -short] [pname ...]\n */
    MSG_USAGE_SYNCSERVER = 143,            /* 185: Usage: syncserver {-nmanage | -inquire} {-all | -vob vob-... */
    MSG_USAGE_SYNCREPLICA = 144,           /* 186: Usage: syncreplica -export [-maxsize size [-limit num_pac... */
    MSG_USAGE_SYNCREPLICA_DIAGNOSE = 145,  /* 187:        syncreplica -import -diagnose {-receive [-sclass s... */
    MSG_USAGE_LSSETTING = 146,             /* 188: Usage: lssetting -site [-rgy rgy-hostname] [-inquire | -l... */
    MSG_USAGE_CHSETTING = 147,             /* 189: Usage: chsetting -site [-rgy rgy-hostname -password rgy-p... */
};

#endif
