/* The library's message catalog: catalog "vexar_bin", facility "vx_cmdsyn", set 58. A
   routine passes a message's index (its name here), with the table of
   _vx_cmdsyn_vexar_msg_table_adr(), to imsg_print. */
#ifndef VX_CMDSYN_MSG_H
#define VX_CMDSYN_MSG_H

#include <stdint.h>

#include "libzornaks.h"

#define VX_MSG_SET 58

/* Every message, one row each: its name, its external number in set 58 and its English
   text. Its index is its place in the list; the numbers rise with it and skip those of
   messages the catalog no longer holds. Add new messages at the end, numbered above the
   last, so that the indexes and the numbers of translated catalogs stay right. */
#define VX_CMDSYN_MESSAGES(X)                                                                                         \
    X(MSG_VOB_REQUIRED, 1, "Must specify pathname to VOB object or VOB storage directory.\n")                         \
    X(MSG_RPTYPE_NAME_REQUIRED, 2, "Replica type name required.\n")                                                   \
    X(MSG_RPTYPE_OR_FILTER_REQUIRED, 3, "Replica type name or filter file name required.\n")                          \
    X(MSG_RPTYPE_OR_FILTER_ONLY_ONE, 4, "Specify only one of replica type name or filter file.\n")                    \
    X(MSG_RPTYPE_FLAG_REQUIRED, 5, "Flag '-rptype' required.\n")                                                      \
    X(MSG_RPTYPE_REQUIRED, 6, "Must specify replica type.\n")                                                         \
    X(MSG_OPLOG_ENTRY_REQUIRED, 7, "Operation log entry number required.\n")                                          \
    X(MSG_SUPERTYPE_REQUIRED, 8, "Must specify supertype name.\n")                                                    \
    X(MSG_MODE_REQUIRED, 9, "One of '-export', '-import', '-cancel' or '-wait_for_jobs' is required.\n")              \
    X(MSG_INVALID_COMBINATION, 10, "Invalid flag combination.\n")                                                     \
    X(MSG_PACKET_FILE_REQUIRED, 11, "Packet file name required.\n")                                                   \
    X(MSG_REPLICA_SPECS_REQUIRED, 12, "Replica specifications required.\n")                                           \
    X(MSG_INVALID_REPLICA_SPEC, 14, "Invalid replica specification: %s\n")                                            \
    X(MSG_PACKET_OR_STAGING_REQUIRED, 15, "Packet file name or staging directory name required.\n")                   \
    X(MSG_RPTYPE_OR_REPLICA_REQUIRED, 16, "One of replica type name or replica name required.\n")                     \
    X(MSG_RPTYPE_OR_REPLICA_ONLY_ONE, 17, "Only one of replica type or replica name can be specified.\n")             \
    X(MSG_PACKET_FLAG_REQUIRED, 18, "Flag '-packet' required.\n")                                                     \
    X(MSG_SOURCE_FILE_REQUIRED, 19, "Source file name required.\n")                                                   \
    X(MSG_ELEMENT_REQUIRED, 20, "Must specify pathname to VOB element.\n")                                            \
    X(MSG_ATTYPE_REQUIRED, 21, "Must specify attribute type.\n")                                                      \
    X(MSG_BRTYPE_REQUIRED, 22, "Must specify branch type.\n")                                                         \
    X(MSG_ELTYPE_REQUIRED, 23, "Must specify element type.\n")                                                        \
    X(MSG_HLTYPE_REQUIRED, 24, "Must specify hyperlink type.\n")                                                      \
    X(MSG_LBTYPE_REQUIRED, 25, "Must specify label type.\n")                                                          \
    X(MSG_UNRECOGNIZED_COMMAND, 29, "Unrecognized command: \"%s\"\n")                                                 \
    X(MSG_NOTHING_TO_CHANGE, 30, "Must specify something to change.\n")                                               \
    X(MSG_HLINK_REQUIRED, 31, "Hyperlink selector required.\n")                                                       \
    X(MSG_NOTIFY_REQUIRED, 32, "Notification e-mail address required.\n")                                             \
    X(MSG_SCLASS_REQUIRED, 33, "Storage class name required.\n")                                                      \
    X(MSG_PEXPIRE_REQUIRED, 34, "Expiration date required.\n")                                                        \
    X(MSG_SHIP_MODE_REQUIRED, 35, "Must specify one of -out, -ship, or -fship.\n")                                    \
    X(MSG_VOB_TAG_REQUIRED, 36, "Must specify VOB mount tag.\n")                                                      \
    X(MSG_EPOCH_ROW_REQUIRED, 37, "Epoch table row (replica name) required.\n")                                       \
    X(MSG_NO_VOB_WITH_FILE, 38, "Cannot specify a VOB when editing a named file.\n")                                  \
    X(MSG_INVALID_EPOCH_SPEC, 39, "Invalid epoch specification: %s\n")                                                \
    X(MSG_WORKDIR_REQUIRED, 40, "Must specify work directory.\n")                                                     \
    X(MSG_PATH_NOT_ABSOLUTE, 41, "Pathname must be absolute \"%s\".\n")                                               \
    X(MSG_HOST_REQUIRED, 42, "Must specify host name.\n")                                                             \
    X(MSG_PATH_REQUIRED, 43, "Pathname required.\n")                                                                  \
    X(MSG_MOUNT_OPTIONS_REQUIRED, 44, "Must specify comma-separated mount options.\n")                                \
    X(MSG_ORIGINAL_REPLICA_REQUIRED, 45, "Must specify original replica name.\n")                                     \
    X(MSG_NEW_REPLICA_REQUIRED, 46, "Must specify new replica name.\n")                                               \
    X(MSG_MAXSIZE_REQUIRED, 47, "Must specify a maximum packet size.\n")                                              \
    X(MSG_REPLICA_REQUIRED, 48, "Must specify replica.\n")                                                            \
    X(MSG_HOST_HPATH_GPATH_TOGETHER, 49, "Must specify all flags (-host, -hpath, and -gpath) if any are specified\n") \
    X(MSG_PASSWORD_REQUIRED, 51, "Password required.\n")                                                              \
    X(MSG_COMMENT_REQUIRED, 52, "Comment required.\n")                                                                \
    X(MSG_REGION_REQUIRED, 53, "Region required.\n")                                                                  \
    X(MSG_FILTER_FILE_REQUIRED, 54, "Filter file name required.\n")                                                   \
    X(MSG_INVALID_SIZE, 55, "Invalid size specification: %s\n")                                                       \
    X(MSG_DATE_TIME_REQUIRED, 56, "Date-time string required.\n")                                                     \
    X(MSG_HELP_INIT_FAILED, 57, "Cannot initialize help system.\n")                                                   \
    X(MSG_STRING_REQUIRED, 58, "String required.\n")                                                                  \
    X(MSG_USAGE_APROPOS, 59, "Usage: apropos topic ...\n")                                                            \
    X(MSG_USAGE_RESTOREREPLICA, 62,                                                                                   \
      "Usage: restorereplica [-c comment | -cfile pname | -cq | -cqe | -nc]\n"                                        \
      "                      [-force] [-override]\n"                                                                  \
      "                    [ -invob vob-selector\n"                                                                   \
      "                    | [-replace] replica-selector ...\n"                                                       \
      "                    ]\n")                                                                                      \
    X(MSG_USAGE_RECOVERPACKET, 63,                                                                                    \
      "Usage: recoverpacket [-c comment | -cfile pname | -cq | -cqe | -nc]\n"                                         \
      "               [-since date-time] replica-selector ...\n")                                                     \
    X(MSG_USAGE_LSEXPORT, 64, "Usage: lsexport [-since date-time] replica-selector ...\n")                            \
    X(MSG_USAGE_CHREPLICA_OLD, 66,                                                                                    \
      "Usage: chreplica [-c comment | -cfile pname | -cq | -cqe | -nc]\n"                                             \
      "                 [-host hostname] [-preserve | -npreserve]\n"                                                  \
      "                 [-isconnected | -nconnected] replica-selector\n")                                             \
    X(MSG_USAGE_RNREPLICA, 68,                                                                                        \
      "Usage: rnreplica [-c comment | -cfile pname | -cq | -cqe | -nc]\n"                                             \
      "                 [-vob pname-in-vob] old-replica-name new-replica-name\n")                                     \
    X(MSG_USAGE_RMREPLICA, 69,                                                                                        \
      "Usage: rmreplica [-c comment | -cfile pname | -cq | -cqe | -nc]\n"                                             \
      "                 replica-selector\n")                                                                          \
    X(MSG_USAGE_MKRPTYPE, 71,                                                                                         \
      "Usage: mkrptype [-replace] [-supertype replica-type-selector]\n"                                               \
      "                [-c comment | -cfile pname | -cq | -cqe | -nc]\n"                                              \
      "                [-filter filter-file-pname] replica-type-selector\n")                                          \
    X(MSG_USAGE_MKRPTYPE_OLD, 72,                                                                                     \
      "Usage: mkrptype [-replace] [-supertype replica-type-selector]\n"                                               \
      "                [-c comment | -cfile pname | -cq | -cqe | -nc]\n"                                              \
      "                replica-type-selector\n")                                                                      \
    X(MSG_USAGE_DUMPOPLOG, 74,                                                                                        \
      "Usage: dumpoplog [-short | -long] [-name] [-invob vob-selector] [-vreplica replica]\n"                         \
      "                 [ oplog-ent-order-num ...\n"                                                                  \
      "                 | [-from oplog-ent-order-num] [-to oplog-ent-order-num]\n"                                    \
      "                 ] [-since date-time] [-reverse]\n")                                                           \
    X(MSG_OBSOLETE_COMMAND, 75, "Obsolete command. Use \"rename\".\n")                                                \
    X(MSG_LIMIT_REQUIRED, 81, "Packet limit required.\n")                                                             \
    X(MSG_USAGE_LSEPOCH, 88, "Usage: lsepoch [ -invob vob-selector | [ -actual ] replica-selector ...]\n")            \
    X(MSG_USAGE_CHEPOCH, 89,                                                                                          \
      "Usage: chepoch [-c comment | -cfile pname | -cq | -cqe | -nc]\n"                                               \
      "             { [-force] replica-selector [replica-selector=value ...]\n"                                       \
      "             | -actual [-raise_only] sibling-replica-selector ...}\n")                                         \
    X(MSG_PRESERVE_REQUIRED, 91,                                                                                      \
      "Must specify whether replica is ownership-preserving (-preserve) or non-ownership-preserving (-npreserve).\n") \
    X(MSG_PATH_NOT_UNC, 92, "Must specify path in a non-UNC style (e.g. drive:\\share\\...) \"%s\".\n")               \
    X(MSG_VOB_STG_OR_STGLOC_REQUIRED, 93,                                                                             \
      "Must specify VOB storage directory pathname or Server Storage Location name.\n")                               \
    X(MSG_STGLOC_REQUIRED, 94, "Server Storage Location name must be specified.\n")                                   \
    X(MSG_RAISE_ONLY_NEEDS_ACTUAL, 95, "Use of -raise_only requires -actual.\n")                                      \
    X(MSG_OBSOLETE_FLAG, 96, "Obsolete command or flag: \"%s\"\n")                                                    \
    X(MSG_USAGE_FAMILYSYNCSTATUS, 100,                                                                                \
      "Usage: familysyncstatus -summary [-region region-name]\n"                                                      \
      "       familysyncstatus {-health | -epochdiff [-time_units display-format][-long]} [-region region-name] "     \
      "vob-selector ...\n"                                                                                            \
      "       familysyncstatus -generate [-since date-time | -sync_window hours] [vob-selector ...]\n")               \
    X(MSG_REPORT_KIND_REQUIRED, 101, "Must specify one of '-summary', '-health', '-epochdiff' or '-generate'.\n")     \
    X(MSG_TIME_UNIT_REQUIRED, 102, "Must specify one of 'days', 'hours' or 'minutes'.\n")                             \
    X(MSG_JOB_ID_REQUIRED, 104, "Must specify job identity number.\n")                                                \
    X(MSG_VIEW_TAG_REQUIRED, 105, "Must specify view tag.\n")                                                         \
    X(MSG_EXPORTING_REPLICA_REQUIRED, 106, "Must specify exporting replica.\n")                                       \
    X(MSG_INVALID_JOB_ID_SPEC, 107, "Invalid job-id specification: %s\n")                                             \
    X(MSG_USAGE_SYNCINFO, 108,                                                                                        \
      "Usage: syncinfo -job {job-id | job-uuid}[,...] [-host hostname]\n"                                             \
      "       syncinfo [-replica replica-selector [-sibling replica-name]\n"                                          \
      "                | -host hostname]\n"                                                                           \
      "                [-export | -import] [-state state[,...]] [-user user-name | -me]\n"                            \
      "                [-startscan date-time] [-endscan date-time]\n"                                                 \
      "                [-scan_direction {forward | backward}]\n")                                                     \
    X(MSG_USER_REQUIRED, 109, "User name must be specified.\n")                                                       \
    X(MSG_SCAN_DIRECTION_REQUIRED, 110, "Scan direction must be specified.\n")                                        \
    X(MSG_STATE_REQUIRED, 111,                                                                                        \
      "Must specify one of 'complete', 'pending', 'waiting', 'active', 'retry', 'cancelled', 'failed', "              \
      "'accumulating' or "                                                                                            \
      "'not_yet'.\n")                                                                                                 \
    X(MSG_QUEUED_OR_RETURNED_REQUIRED, 112, "Must specify one of 'queued' or 'returned'.\n")                          \
    X(MSG_IMPORTING_REPLICA_REQUIRED, 113, "Must specify importing replica.\n")                                       \
    X(MSG_MINUTES_REQUIRED, 114, "Must specify time in minutes.\n")                                                   \
    X(MSG_EVLIST_REQUIRED, 115, "Must specify desired environment variables.\n")                                      \
    X(MSG_EVLIST_NAME_VALUE, 116, "Must specify NAME=VALUE in comma-separated list\n")                                \
    X(MSG_USAGE_CHSETTING_SCOPES_UNSET, 120,                                                                          \
      "Usage: chsetting -site [-rgy rgy-hostname -password rgy-passwd] {-unset_all | setting-name=[value] ...}\n"     \
      "       chsetting -host hostname {-unset_all | setting-name=[value] ...}\n"                                     \
      "       chsetting -replica replica-selector {-unset_all | setting-name=[value] ...}\n")                         \
    X(MSG_SCOPE_REQUIRED, 121, "Must specify one of '-site', '-host' or '-replica'.\n")                               \
    X(MSG_REPLICA_NAME_REQUIRED, 122, "Must specify replica name.\n")                                                 \
    X(MSG_SETTINGS_REQUIRED, 123, "Must supply setting name(s) or setting name(s) and value(s)\n")                    \
    X(MSG_USAGE_CHREPLICA, 125,                                                                                       \
      "Usage: chreplica [-c comment | -cfile pname | -cq | -cqe | -nc]\n"                                             \
      "                 [-host hostname] [-preserve | -perms_preserve | -npreserve]\n"                                \
      "                 [-isconnected | -nconnected] [-inreplica replica-name] replica-selector\n")                   \
    X(MSG_USAGE_MKREPLICA_NCAEXPORTED, 126,                                                                           \
      "Usage: mkreplica -export -workdir temp-dir-pname [-maxsize size]\n"                                            \
      "                 [-c comment | -cfile pname | -cq | -cqe | -nc]\n"                                             \
      "                 { {-ship | -fship} [-sclass storage-class]\n"                                                 \
      "                   [-pexpire date-time] [-notify email-addr]\n"                                                \
      "                 | -out packet-file-pname\n"                                                                   \
      "                 } hostname:replica-selector ...\n"                                                            \
      "       mkreplica -import -workdir temp-dir-pname -tag vob-tag\n"                                               \
      "                 { -vob vob-storage-pname\n"                                                                   \
      "                    [-host hostname -hpath host-stg-pname -gpath global-stg-pname]\n"                          \
      "                 | -stgloc {stgloc-name | -auto}\n"                                                            \
      "                 }\n"                                                                                          \
      "                 {-preserve | -perms_preserve [-nprompt] | -npreserve}\n"                                      \
      "                 [-c comment | -cfile pname | -cq | -cqe | -nc]\n"                                             \
      "                 [-tcomment tag-comment] [-ncaexported] [-nremote_admin]\n"                                    \
      "                 [-region region-name] [-options mount-options]\n"                                             \
      "                 [-public [-password tag-registry-password]] [-ignoreprot]\n"                                  \
      "                 [-pooltalk] [-vreplica replica-name]\n"                                                       \
      "                 packet-file-pname [search-dir-pname ...]\n")                                                  \
    X(MSG_USAGE_MKREPLICA, 127,                                                                                       \
      "Usage: mkreplica -export -workdir temp-dir-pname [-maxsize size]\n"                                            \
      "                 [-c comment | -cfile pname | -cq | -cqe | -nc]\n"                                             \
      "                 { {-ship | -fship} [-sclass storage-class]\n"                                                 \
      "                   [-pexpire date-time] [-notify email-addr]\n"                                                \
      "                 | -out packet-file-pname\n"                                                                   \
      "                 } hostname:replica-selector ...\n"                                                            \
      "       mkreplica -import -workdir temp-dir-pname -tag vob-tag\n"                                               \
      "                 { -vob vob-storage-pname\n"                                                                   \
      "                    [-host hostname -hpath host-stg-pname -gpath global-stg-pname]\n"                          \
      "                 | -stgloc {stgloc-name | -auto}\n"                                                            \
      "                 }\n"                                                                                          \
      "                 {-preserve | -perms_preserve [-nprompt] | -npreserve}\n"                                      \
      "                 [-c comment | -cfile pname | -cq | -cqe | -nc]\n"                                             \
      "                 [-tcomment tag-comment] [-nremote_admin]\n"                                                   \
      "                 [-region region-name] [-options mount-options]\n"                                             \
      "                 [-public [-password tag-registry-password]] [-ignoreprot]\n"                                  \
      "                 [-pooltalk] [-vreplica replica-name]\n"                                                       \
      "                 packet-file-pname [search-dir-pname ...]\n")                                                  \
    X(MSG_SIBLING_NEEDS_REPLICA, 128, "Must specify '-replica' when specifying '-sibling'.\n")                        \
    X(MSG_HOST_OR_REPLICA_REQUIRED, 129, "Must specify one of '-host' or '-replica'.\n")                              \
    X(MSG_JOB_NEEDS_HOST, 130, "Must specify '-host' when specifying a specific job (via '-job-id').\n")              \
    X(MSG_INVALID_JOB_ID, 131, "%s cannot be converted to a valid job ID.\n")                                         \
    X(MSG_INVALID_JOB_UUID, 132, "%s cannot be converted to a valid job UUID.\n")                                     \
    X(MSG_FILTER_WITH_JOB, 133,                                                                                       \
      "Cannot specify filter options (such as -startscan or -export) when specifying a specific job (via '-job').\n") \
    X(MSG_JOB_UUID_REQUIRED, 134, "Must specify job identity UUID.\n")                                                \
    X(MSG_USAGE_SHIPINFO, 135,                                                                                        \
      "Usage: shipinfo -job {job-id | job-uuid} [-host hostname]\n"                                                   \
      "       shipinfo [-replica replica-selector [-sibling replica-name]\n"                                          \
      "                | -host hostname]\n"                                                                           \
      "                [-export | -import]\n"                                                                         \
      "                [-sclass storage-class]\n"                                                                     \
      "                [-filetype {shorder | rkcreate | rkupdate | other}]\n"                                         \
      "                [-startscan date-time] [-endscan date-time]\n"                                                 \
      "                [-scan_direction {forward | backward}]\n")                                                     \
    X(MSG_FILETYPE_REQUIRED, 136, "File type must be specified.\n")                                                   \
    X(MSG_NO_SLEEP_WHEN_CANCELLING, 137, "Cannot specify pacerd sleep durations when cancelling a job.\n")            \
    X(MSG_SLEEP_KIND_REQUIRED, 138,                                                                                   \
      "Must specify at least one progress kind and sleep duration when the '-sleep' switch is given.\n")              \
    X(MSG_USAGE_PERFINFO, 139,                                                                                        \
      "Usage: perfinfo [-replica replica-selector | -sibling replica-selector | -host hostname]\n"                    \
      "                [-export | -import]\n"                                                                         \
      "                [-startscan date-time] [-endscan date-time]\n"                                                 \
      "                -granularity {months | days | quarter_hours}\n")                                               \
    X(MSG_GRANULARITY_REQUIRED, 140,                                                                                  \
      "When you specify -granularity, you must also specify one of months, days, or hours.\n")                        \
    X(MSG_INVALID_SETTING_VALUE, 141, "Invalid setting/value combination!\n")                                         \
    X(MSG_DAYS_REQUIRED, 142, "Must specify time in days.\n")                                                         \
    X(MSG_STORAGE_BAY_REQUIRED, 143, "Must specify storage bay path.\n")                                              \
    X(MSG_RETURN_BAY_REQUIRED, 144, "Must specify return bay path.\n")                                                \
    X(MSG_RECEIPT_HANDLER_REQUIRED, 145, "Must specify receipt handler path.\n")                                      \
    X(MSG_NEXT_HOP_REQUIRED, 146, "Must specify a host name for next hop.\n")                                         \
    X(MSG_DEST_HOSTS_REQUIRED, 147, "Must specify routing destination hosts.\n")                                      \
    X(MSG_ADMIN_EMAIL_REQUIRED, 148, "Must specify admin email address.\n")                                           \
    X(MSG_NOTIFY_PROGRAM_REQUIRED, 149, "Must specify email notification program path.\n")                            \
    X(MSG_PORT_REQUIRED, 150, "Must specify a valid network port id.\n")                                              \
    X(MSG_USAGE_CHSHIPCONFIG, 151,                                                                                    \
      "Usage:  chshipconfig -sclass storage-class\n"                                                                  \
      "\t\t     {-new {-stgpath storage-bay-pname -rtnpath return-bay-pname}\n"                                       \
      "\t\t\t   [-rcptpath receipt-handler-pname] [-pexpire date-time]\n"                                             \
      "\t\t     | -delete [-force]\n"                                                                                 \
      "\t\t     | -modify {[-stgpath storage-bay-pname] [-rtnpath return-bay-pname]\n"                                \
      "\t\t\t\t[-rcptpath receipt-handler-pname] [-pexpire date-time]}\n"                                             \
      "\t\t     | -unset receipt-handler-pname [-force]}\n"                                                           \
      "\t\t     [-host hostname]\n"                                                                                   \
      "\n"                                                                                                            \
      "\tchshipconfig -nexthop hostname {-new | -delete} -desthost hostname[,...]\n"                                  \
      "\t\t     [-host hostname]\n"                                                                                   \
      "\n"                                                                                                            \
      "\tchshipconfig -admin {-new | -delete [-force]} email-address[,...]\n"                                         \
      "\t\t     [-host hostname]\n"                                                                                   \
      "\n"                                                                                                            \
      "\tchshipconfig {-modify {[-maxsize max-packet-size] [-timeout downhost-timeout]\n"                             \
      "\t\t\t       [-notify_path notification-program-pname]\n"                                                      \
      "\t\t\t       [-maxport max-port-id] [-minport min-port-id]}\n"                                                 \
      "\t\t     [-host hostname]\n"                                                                                   \
      "\n"                                                                                                            \
      "\tchshipconfig -unset {[timeout] | [-maxport] | [-minport]} [-force]}\n"                                       \
      "\t\t     [-host hostname]\n")                                                                                  \
    X(MSG_USAGE_LSSHIPCONFIG, 152,                                                                                    \
      "Usage: lsshipconfig [-host hostname]\n"                                                                        \
      "                    [-sclass storage-class [-stgpath] [-rtnpath] [-rcptpath] [-pexpire]]\n"                    \
      "                    [-route] [-admin]\n"                                                                       \
      "                    [-timeout] [-notify] [-maxport] [-minport]\n")                                             \
    X(MSG_SYNC_WINDOW_REQUIRED, 154, "Sync Status Time Window required.\n")                                           \
    X(MSG_UNSET_PARAMETER_REQUIRED, 155, "Must specify parameter to unset.\n")                                        \
    X(MSG_USAGE_VXACL, 157, "Usage: vxacl {-get | -edit | -set pname [-force]}[-host hostname] \n")                   \
    X(MSG_ACL_OP_REQUIRED, 158, "Must specify one of -get, -edit, or -set.\n")                                        \
    X(MSG_RGY_HOST_REQUIRED, 159, "Must specify registry server hostname\n")                                          \
    X(MSG_CONTACT_REPLICA_REQUIRED, 160, "Must specify a replica name to contact.\n")                                 \
    X(MSG_JOBS_FILE_REQUIRED, 162, "Must specify created jobs file\n")                                                \
    X(MSG_ONLY_ONE_JOB_ID, 164, "Must specify only one job identity number.\n")                                       \
    X(MSG_JFILE_OR_JOB_REQUIRED, 165, "Must specify one of -jfile or -job.\n")                                        \
    X(MSG_INVALID_LOCKWAIT, 168, "Invalid lockwait time specification. \n")                                           \
    X(MSG_ALL_OR_VOB_REQUIRED, 170, "Must specify one of -all or -vob.\n")                                            \
    X(MSG_MANAGE_MODE_REQUIRED, 171, "Must specify one of -manage, -nmanage or -inquire.\n")                          \
    X(MSG_MAX_ATTEMPTS_REQUIRED, 174, "Must specify the maximum number of times to attempt the import job.\n")        \
    X(MSG_RETRY_INTERVAL_REQUIRED, 175, "Must specify a minimum interval at which to retry the import job.\n")        \
    X(MSG_INVALID_MAX_ATTEMPTS, 176, "Invalid max_attempts specification.\n")                                         \
    X(MSG_INVALID_RETRY_INTERVAL, 177, "Invalid retry_interval specification.\n")                                     \
    X(MSG_USAGE_CHSETTING_SCOPES, 179,                                                                                \
      "Usage: chsetting -site [-rgy rgy-hostname -password rgy-passwd] setting-name=[value] ...\n"                    \
      "       chsetting -host hostname setting-name=[value] ...\n"                                                    \
      "       chsetting -replica replica-selector setting-name=[value] ...\n")                                        \
    X(MSG_LIMIT_NOT_POSITIVE, 180, "Number of packets must be greater than 0.\n")                                     \
    X(MSG_SCHEMA_REQUIRED, 181, "Schema required.\n")                                                                 \
    X(MSG_ENDRANGE_WITHOUT_LONG, 182, "Can not use -endrange without -long\n")                                        \
    X(MSG_OPRANGE_REQUIRED, 183, "Must specify oplog ranges.\n")                                                      \
    X(MSG_USAGE_LSPACKET, 184, "Usage: lspacket [-long [-endrange] | -short] [pname ...]\n")                          \
    X(MSG_USAGE_SYNCSERVER, 185, "Usage: syncserver {-nmanage | -inquire} {-all | -vob vob-tag[ ...]}\n")             \
    X(MSG_USAGE_SYNCREPLICA, 186,                                                                                     \
      "Usage: syncreplica -export [-maxsize size [-limit num_packets]]\n"                                             \
      "                   [-c comment | -cfile pname | -cq | -cqe | -nc]\n"                                           \
      "                   [-compress] [-endrange] \n"                                                                 \
      "                   [-oprange replica-selector=[oplog-start][:oplog-end][,...]]\n"                              \
      "                   {{-ship | -fship} [-sclass storage-class]\n"                                                \
      "                   [-pexpire date-time] [-notify email-addr]\n"                                                \
      "                   |-out packet-file-pname}\n"                                                                 \
      "                   replica-selector ...\n"                                                                     \
      "       syncreplica -import [-invob vob-selector]\n"                                                            \
      "                   [-c comment | -cfile pname | -cq | -cqe | -nc]\n"                                           \
      "                   {-receive [-sclass storage-class]\n"                                                        \
      "                   | {packet-file-pname | staging-area-pname} ...}\n")                                         \
    X(MSG_USAGE_SYNCREPLICA_DIAGNOSE, 187,                                                                            \
      "       syncreplica -import -diagnose {-receive [-sclass storage-class]\n"                                      \
      "                  {packet-file-pname | staging-area-pname} ...}\n")                                            \
    X(MSG_USAGE_LSSETTING, 188,                                                                                       \
      "Usage: lssetting -site [-rgy rgy-hostname] [-inquire | -long | [-long] setting-name]\n")                       \
    X(MSG_USAGE_CHSETTING, 189,                                                                                       \
      "Usage: chsetting -site [-rgy rgy-hostname -password rgy-passwd] setting-name=[value] ...\n")

enum vx_msg_index {
#define VX_MSG_NAME(name, number, text) name,
    VX_CMDSYN_MESSAGES(VX_MSG_NAME)
#undef VX_MSG_NAME
    /* Not a message: how many there are. */
    VX_MSG_COUNT
};

#endif
