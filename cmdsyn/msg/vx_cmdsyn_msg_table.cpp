// The vexar message catalog: catalog "vexar_bin", facility "vx_cmdsyn", set 58.
// A routine names a message by its index here; the external number identifies it in
// set 58 of the catalog files.

#include "libzornavx_cmdsyn.h"  // gives the accessor its export attribute
#include "vx_cmdsyn_msg.h"

namespace {

constexpr const char *kTexts[VX_MSG_COUNT] = {
    /* 0 */ "Must specify pathname to VOB object or VOB storage directory.\n",
    /* 1 */ "Replica type name required.\n",
    /* 2 */ "Replica type name or filter file name required.\n",
    /* 3 */ "Specify only one of replica type name or filter file.\n",
    /* 4 */ "Flag '-rptype' required.\n",
    /* 5 */ "Must specify replica type.\n",
    /* 6 */ "Operation log entry number required.\n",
    /* 7 */ "Must specify supertype name.\n",
    /* 8 */ "One of '-export', '-import', '-cancel' or '-wait_for_jobs' is required.\n",
    /* 9 */ "Invalid flag combination.\n",
    /* 10 */ "Packet file name required.\n",
    /* 11 */ "Replica specifications required.\n",
    /* 12 */ "Invalid replica specification: %s\n",
    /* 13 */ "Packet file name or staging directory name required.\n",
    /* 14 */ "One of replica type name or replica name required.\n",
    /* 15 */ "Only one of replica type or replica name can be specified.\n",
    /* 16 */ "Flag '-packet' required.\n",
    /* 17 */ "Source file name required.\n",
    /* 18 */ "Must specify pathname to VOB element.\n",
    /* 19 */ "Must specify attribute type.\n",
    /* 20 */ "Must specify branch type.\n",
    /* 21 */ "Must specify element type.\n",
    /* 22 */ "Must specify hyperlink type.\n",
    /* 23 */ "Must specify label type.\n",
    /* 24 */ "Unrecognized command: \"%s\"\n",
    /* 25 */ "Must specify something to change.\n",
    /* 26 */ "Hyperlink selector required.\n",
    /* 27 */ "Notification e-mail address required.\n",
    /* 28 */ "Storage class name required.\n",
    /* 29 */ "Expiration date required.\n",
    /* 30 */ "Must specify one of -out, -ship, or -fship.\n",
    /* 31 */ "Must specify VOB mount tag.\n",
    /* 32 */ "Epoch table row (replica name) required.\n",
    /* 33 */ "Cannot specify a VOB when editing a named file.\n",
    /* 34 */ "Invalid epoch specification: %s\n",
    /* 35 */ "Must specify work directory.\n",
    /* 36 */ "Pathname must be absolute \"%s\".\n",
    /* 37 */ "Must specify host name.\n",
    /* 38 */ "Pathname required.\n",
    /* 39 */ "Must specify comma-separated mount options.\n",
    /* 40 */ "Must specify original replica name.\n",
    /* 41 */ "Must specify new replica name.\n",
    /* 42 */ "Must specify a maximum packet size.\n",
    /* 43 */ "Must specify replica.\n",
    /* 44 */ "Must specify all flags (-host, -hpath, and -gpath) if any are specified\n",
    /* 45 */ "Password required.\n",
    /* 46 */ "Comment required.\n",
    /* 47 */ "Region required.\n",
    /* 48 */ "Filter file name required.\n",
    /* 49 */ "Invalid size specification: %s\n",
    /* 50 */ "Date-time string required.\n",
    /* 51 */ "Cannot initialize help system.\n",
    /* 52 */ "String required.\n",
    /* 53 */ "Usage: apropos topic ...\n",
    /* 54 */
    "Usage: restorereplica [-c comment | -cfile pname | -cq | -cqe | -nc]\n"
    "                      [-force] [-override]\n"
    "                    [ -invob vob-selector\n"
    "                    | [-replace] replica-selector ...\n"
    "                    ]\n",
    /* 55 */
    "Usage: recoverpacket [-c comment | -cfile pname | -cq | -cqe | -nc]\n"
    "               [-since date-time] replica-selector ...\n",
    /* 56 */ "Usage: lsexport [-since date-time] replica-selector ...\n",
    /* 57 */
    "Usage: chreplica [-c comment | -cfile pname | -cq | -cqe | -nc]\n"
    "                 [-host hostname] [-preserve | -npreserve]\n"
    "                 [-isconnected | -nconnected] replica-selector\n",
    /* 58 */
    "Usage: rnreplica [-c comment | -cfile pname | -cq | -cqe | -nc]\n"
    "                 [-vob pname-in-vob] old-replica-name new-replica-name\n",
    /* 59 */
    "Usage: rmreplica [-c comment | -cfile pname | -cq | -cqe | -nc]\n"
    "                 replica-selector\n",
    /* 60 */
    "Usage: mkrptype [-replace] [-supertype replica-type-selector]\n"
    "                [-c comment | -cfile pname | -cq | -cqe | -nc]\n"
    "                [-filter filter-file-pname] replica-type-selector\n",
    /* 61 */
    "Usage: mkrptype [-replace] [-supertype replica-type-selector]\n"
    "                [-c comment | -cfile pname | -cq | -cqe | -nc]\n"
    "                replica-type-selector\n",
    /* 62 */
    "Usage: dumpoplog [-short | -long] [-name] [-invob vob-selector] [-vreplica replica]\n"
    "                 [ oplog-ent-order-num ...\n"
    "                 | [-from oplog-ent-order-num] [-to oplog-ent-order-num]\n"
    "                 ] [-since date-time] [-reverse]\n",
    /* 63 */ "Obsolete command. Use \"rename\".\n",
    /* 64 */ "Packet limit required.\n",
    /* 65 */ "Usage: lsepoch [ -invob vob-selector | [ -actual ] replica-selector ...]\n",
    /* 66 */
    "Usage: chepoch [-c comment | -cfile pname | -cq | -cqe | -nc]\n"
    "             { [-force] replica-selector [replica-selector=value ...]\n"
    "             | -actual [-raise_only] sibling-replica-selector ...}\n",
    /* 67 */
    "Must specify whether replica is ownership-preserving (-preserve) or non-ownership-preserving (-npreserve).\n",
    /* 68 */ "Must specify path in a non-UNC style (e.g. drive:\\share\\...) \"%s\".\n",
    /* 69 */ "Must specify VOB storage directory pathname or Server Storage Location name.\n",
    /* 70 */ "Server Storage Location name must be specified.\n",
    /* 71 */ "Use of -raise_only requires -actual.\n",
    /* 72 */ "Obsolete command or flag: \"%s\"\n",
    /* 73 */
    "Usage: familysyncstatus -summary [-region region-name]\n"
    "       familysyncstatus {-health | -epochdiff [-time_units display-format][-long]} [-region region-name] "
    "vob-selector ...\n"
    "       familysyncstatus -generate [-since date-time | -sync_window hours] [vob-selector ...]\n",
    /* 74 */ "Must specify one of '-summary', '-health', '-epochdiff' or '-generate'.\n",
    /* 75 */ "Must specify one of 'days', 'hours' or 'minutes'.\n",
    /* 76 */ "Must specify job identity number.\n",
    /* 77 */ "Must specify view tag.\n",
    /* 78 */ "Must specify exporting replica.\n",
    /* 79 */ "Invalid job-id specification: %s\n",
    /* 80 */
    "Usage: syncinfo -job {job-id | job-uuid}[,...] [-host hostname]\n"
    "       syncinfo [-replica replica-selector [-sibling replica-name]\n"
    "                | -host hostname]\n"
    "                [-export | -import] [-state state[,...]] [-user user-name | -me]\n"
    "                [-startscan date-time] [-endscan date-time]\n"
    "                [-scan_direction {forward | backward}]\n",
    /* 81 */ "User name must be specified.\n",
    /* 82 */ "Scan direction must be specified.\n",
    /* 83 */
    "Must specify one of 'complete', 'pending', 'waiting', 'active', 'retry', 'cancelled', 'failed', 'accumulating' or "
    "'not_yet'.\n",
    /* 84 */ "Must specify one of 'queued' or 'returned'.\n",
    /* 85 */ "Must specify importing replica.\n",
    /* 86 */ "Must specify time in minutes.\n",
    /* 87 */ "Must specify desired environment variables.\n",
    /* 88 */ "Must specify NAME=VALUE in comma-separated list\n",
    /* 89 */
    "Usage: chsetting -site [-rgy rgy-hostname -password rgy-passwd] {-unset_all | setting-name=[value] ...}\n"
    "       chsetting -host hostname {-unset_all | setting-name=[value] ...}\n"
    "       chsetting -replica replica-selector {-unset_all | setting-name=[value] ...}\n",
    /* 90 */ "Must specify one of '-site', '-host' or '-replica'.\n",
    /* 91 */ "Must specify replica name.\n",
    /* 92 */ "Must supply setting name(s) or setting name(s) and value(s)\n",
    /* 93 */
    "Usage: chreplica [-c comment | -cfile pname | -cq | -cqe | -nc]\n"
    "                 [-host hostname] [-preserve | -perms_preserve | -npreserve]\n"
    "                 [-isconnected | -nconnected] [-inreplica replica-name] replica-selector\n",
    /* 94 */
    "Usage: mkreplica -export -workdir temp-dir-pname [-maxsize size]\n"
    "                 [-c comment | -cfile pname | -cq | -cqe | -nc]\n"
    "                 { {-ship | -fship} [-sclass storage-class]\n"
    "                   [-pexpire date-time] [-notify email-addr]\n"
    "                 | -out packet-file-pname\n"
    "                 } hostname:replica-selector ...\n"
    "       mkreplica -import -workdir temp-dir-pname -tag vob-tag\n"
    "                 { -vob vob-storage-pname\n"
    "                    [-host hostname -hpath host-stg-pname -gpath global-stg-pname]\n"
    "                 | -stgloc {stgloc-name | -auto}\n"
    "                 }\n"
    "                 {-preserve | -perms_preserve [-nprompt] | -npreserve}\n"
    "                 [-c comment | -cfile pname | -cq | -cqe | -nc]\n"
    "                 [-tcomment tag-comment] [-ncaexported] [-nremote_admin]\n"
    "                 [-region region-name] [-options mount-options]\n"
    "                 [-public [-password tag-registry-password]] [-ignoreprot]\n"
    "                 [-pooltalk] [-vreplica replica-name]\n"
    "                 packet-file-pname [search-dir-pname ...]\n",
    /* 95 */
    "Usage: mkreplica -export -workdir temp-dir-pname [-maxsize size]\n"
    "                 [-c comment | -cfile pname | -cq | -cqe | -nc]\n"
    "                 { {-ship | -fship} [-sclass storage-class]\n"
    "                   [-pexpire date-time] [-notify email-addr]\n"
    "                 | -out packet-file-pname\n"
    "                 } hostname:replica-selector ...\n"
    "       mkreplica -import -workdir temp-dir-pname -tag vob-tag\n"
    "                 { -vob vob-storage-pname\n"
    "                    [-host hostname -hpath host-stg-pname -gpath global-stg-pname]\n"
    "                 | -stgloc {stgloc-name | -auto}\n"
    "                 }\n"
    "                 {-preserve | -perms_preserve [-nprompt] | -npreserve}\n"
    "                 [-c comment | -cfile pname | -cq | -cqe | -nc]\n"
    "                 [-tcomment tag-comment] [-nremote_admin]\n"
    "                 [-region region-name] [-options mount-options]\n"
    "                 [-public [-password tag-registry-password]] [-ignoreprot]\n"
    "                 [-pooltalk] [-vreplica replica-name]\n"
    "                 packet-file-pname [search-dir-pname ...]\n",
    /* 96 */ "Must specify '-replica' when specifying '-sibling'.\n",
    /* 97 */ "Must specify one of '-host' or '-replica'.\n",
    /* 98 */ "Must specify '-host' when specifying a specific job (via '-job-id').\n",
    /* 99 */ "%s cannot be converted to a valid job ID.\n",
    /* 100 */ "%s cannot be converted to a valid job UUID.\n",
    /* 101 */
    "Cannot specify filter options (such as -startscan or -export) when specifying a specific job (via '-job').\n",
    /* 102 */ "Must specify job identity UUID.\n",
    /* 103 */
    "Usage: shipinfo -job {job-id | job-uuid} [-host hostname]\n"
    "       shipinfo [-replica replica-selector [-sibling replica-name]\n"
    "                | -host hostname]\n"
    "                [-export | -import]\n"
    "                [-sclass storage-class]\n"
    "                [-filetype {shorder | rkcreate | rkupdate | other}]\n"
    "                [-startscan date-time] [-endscan date-time]\n"
    "                [-scan_direction {forward | backward}]\n",
    /* 104 */ "File type must be specified.\n",
    /* 105 */ "Cannot specify pacerd sleep durations when cancelling a job.\n",
    /* 106 */ "Must specify at least one progress kind and sleep duration when the '-sleep' switch is given.\n",
    /* 107 */
    "Usage: perfinfo [-replica replica-selector | -sibling replica-selector | -host hostname]\n"
    "                [-export | -import]\n"
    "                [-startscan date-time] [-endscan date-time]\n"
    "                -granularity {months | days | quarter_hours}\n",
    /* 108 */ "When you specify -granularity, you must also specify one of months, days, or hours.\n",
    /* 109 */ "Invalid setting/value combination!\n",
    /* 110 */ "Must specify time in days.\n",
    /* 111 */ "Must specify storage bay path.\n",
    /* 112 */ "Must specify return bay path.\n",
    /* 113 */ "Must specify receipt handler path.\n",
    /* 114 */ "Must specify a host name for next hop.\n",
    /* 115 */ "Must specify routing destination hosts.\n",
    /* 116 */ "Must specify admin email address.\n",
    /* 117 */ "Must specify email notification program path.\n",
    /* 118 */ "Must specify a valid network port id.\n",
    /* 119 */
    "Usage:  chshipconfig -sclass storage-class\n"
    "\t\t     {-new {-stgpath storage-bay-pname -rtnpath return-bay-pname}\n"
    "\t\t\t   [-rcptpath receipt-handler-pname] [-pexpire date-time]\n"
    "\t\t     | -delete [-force]\n"
    "\t\t     | -modify {[-stgpath storage-bay-pname] [-rtnpath return-bay-pname]\n"
    "\t\t\t\t[-rcptpath receipt-handler-pname] [-pexpire date-time]}\n"
    "\t\t     | -unset receipt-handler-pname [-force]}\n"
    "\t\t     [-host hostname]\n"
    "\n"
    "\tchshipconfig -nexthop hostname {-new | -delete} -desthost hostname[,...]\n"
    "\t\t     [-host hostname]\n"
    "\n"
    "\tchshipconfig -admin {-new | -delete [-force]} email-address[,...]\n"
    "\t\t     [-host hostname]\n"
    "\n"
    "\tchshipconfig {-modify {[-maxsize max-packet-size] [-timeout downhost-timeout]\n"
    "\t\t\t       [-notify_path notification-program-pname]\n"
    "\t\t\t       [-maxport max-port-id] [-minport min-port-id]}\n"
    "\t\t     [-host hostname]\n"
    "\n"
    "\tchshipconfig -unset {[timeout] | [-maxport] | [-minport]} [-force]}\n"
    "\t\t     [-host hostname]\n",
    /* 120 */
    "Usage: lsshipconfig [-host hostname]\n"
    "                    [-sclass storage-class [-stgpath] [-rtnpath] [-rcptpath] [-pexpire]]\n"
    "                    [-route] [-admin]\n"
    "                    [-timeout] [-notify] [-maxport] [-minport]\n",
    /* 121 */ "Sync Status Time Window required.\n",
    /* 122 */ "Must specify parameter to unset.\n",
    /* 123 */ "Usage: vxacl {-get | -edit | -set pname [-force]}[-host hostname] \n",
    /* 124 */ "Must specify one of -get, -edit, or -set.\n",
    /* 125 */ "Must specify registry server hostname\n",
    /* 126 */ "Must specify a replica name to contact.\n",
    /* 127 */ "Must specify created jobs file\n",
    /* 128 */ "Must specify only one job identity number.\n",
    /* 129 */ "Must specify one of -jfile or -job.\n",
    /* 130 */ "Invalid lockwait time specification. \n",
    /* 131 */ "Must specify one of -all or -vob.\n",
    /* 132 */ "Must specify one of -manage, -nmanage or -inquire.\n",
    /* 133 */ "Must specify the maximum number of times to attempt the import job.\n",
    /* 134 */ "Must specify a minimum interval at which to retry the import job.\n",
    /* 135 */ "Invalid max_attempts specification.\n",
    /* 136 */ "Invalid retry_interval specification.\n",
    /* 137 */
    "Usage: chsetting -site [-rgy rgy-hostname -password rgy-passwd] setting-name=[value] ...\n"
    "       chsetting -host hostname setting-name=[value] ...\n"
    "       chsetting -replica replica-selector setting-name=[value] ...\n",
    /* 138 */ "Number of packets must be greater than 0.\n",
    /* 139 */ "Schema required.\n",
    /* 140 */ "Can not use -endrange without -long\n",
    /* 141 */ "Must specify oplog ranges.\n",
    /* 142 */ "Usage: lspacket [-long [-endrange] | -short] [pname ...]\n",
    /* 143 */ "Usage: syncserver {-nmanage | -inquire} {-all | -vob vob-tag[ ...]}\n",
    /* 144 */
    "Usage: syncreplica -export [-maxsize size [-limit num_packets]]\n"
    "                   [-c comment | -cfile pname | -cq | -cqe | -nc]\n"
    "                   [-compress] [-endrange] \n"
    "                   [-oprange replica-selector=[oplog-start][:oplog-end][,...]]\n"
    "                   {{-ship | -fship} [-sclass storage-class]\n"
    "                   [-pexpire date-time] [-notify email-addr]\n"
    "                   |-out packet-file-pname}\n"
    "                   replica-selector ...\n"
    "       syncreplica -import [-invob vob-selector]\n"
    "                   [-c comment | -cfile pname | -cq | -cqe | -nc]\n"
    "                   {-receive [-sclass storage-class]\n"
    "                   | {packet-file-pname | staging-area-pname} ...}\n",
    /* 145 */
    "       syncreplica -import -diagnose {-receive [-sclass storage-class]\n"
    "                  {packet-file-pname | staging-area-pname} ...}\n",
    /* 146 */ "Usage: lssetting -site [-rgy rgy-hostname] [-inquire | -long | [-long] setting-name]\n",
    /* 147 */ "Usage: chsetting -site [-rgy rgy-hostname -password rgy-passwd] setting-name=[value] ...\n",
};

constexpr uint16_t kNumbers[VX_MSG_COUNT] = {
    1,   2,   3,   4,   5,   6,   7,   8,   9,   10,  11,  12,  14,  15,  16,  17,  18,  19,  20,  21,  22,  23,
    24,  25,  29,  30,  31,  32,  33,  34,  35,  36,  37,  38,  39,  40,  41,  42,  43,  44,  45,  46,  47,  48,
    49,  51,  52,  53,  54,  55,  56,  57,  58,  59,  62,  63,  64,  66,  68,  69,  71,  72,  74,  75,  81,  88,
    89,  91,  92,  93,  94,  95,  96,  100, 101, 102, 104, 105, 106, 107, 108, 109, 110, 111, 112, 113, 114, 115,
    116, 120, 121, 122, 123, 125, 126, 127, 128, 129, 130, 131, 132, 133, 134, 135, 136, 137, 138, 139, 140, 141,
    142, 143, 144, 145, 146, 147, 148, 149, 150, 151, 152, 154, 155, 157, 158, 159, 160, 162, 164, 165, 168, 170,
    171, 174, 175, 176, 177, 179, 180, 181, 182, 183, 184, 185, 186, 187, 188, 189,
};

constexpr msg_table_t kCatalog = {
    "vexar_bin", "vx_cmdsyn", VX_MSG_SET, VX_MSG_COUNT, kTexts, kNumbers,
};

}  // namespace

extern "C" const msg_table_t *_vx_cmdsyn_vexar_msg_table_adr(void) { return &kCatalog; }
