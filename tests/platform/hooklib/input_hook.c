/* Stand-in for the optional keyboard hook library. Each call is appended to a
 * log the tests read back through hookCallLog(). Built with
 * QUILL_HOOK_PARTIAL it exports only setEnableKeyboardHook, like an older
 * library would. */
#include <stdio.h>
#include <string.h>

static char callLog[512];

static void logCall(const char* entry) {
    strncat(callLog, entry, sizeof(callLog) - strlen(callLog) - 1);
}

#ifndef QUILL_HOOK_PARTIAL
void installKeyboardHook(void) {
    logCall("install;");
}

void uninstallKeyboardHook(void) {
    logCall("uninstall;");
}
#endif

void setEnableKeyboardHook(int enable) {
    char entry[32];
    snprintf(entry, sizeof(entry), "enable(%d);", enable);
    logCall(entry);
}

const char* hookCallLog(void) {
    return callLog;
}
