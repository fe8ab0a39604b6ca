/* Preloaded into the kestrova command by the tests to make a device fail for real system calls:
 * fsync and fdatasync of files in $KESTROVA_FAIL_SYNC_IN, fsync of the folder
 * $KESTROVA_FAIL_FOLDER_SYNC_IN itself, read of files in $KESTROVA_FAIL_READ_IN, and only the
 * first read of a file in $KESTROVA_FAIL_FIRST_READ_IN, fail with EIO as a dying card's would;
 * a write in $KESTROVA_ENOSPC_AS_EPERM_IN that finds the device full fails with EPERM, as full FAT
 * cards behind FUSE answer. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

static int isDirectory(int fd) {
    struct stat info;
    return fstat(fd, &info) == 0 && S_ISDIR(info.st_mode);
}

static int inFailingFolder(int fd, const char* variable) {
    const char* folder = getenv(variable);
    if (!folder || !*folder)
        return 0;
    char link[64];
    char path[4096];
    snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t length = readlink(link, path, sizeof path - 1);
    if (length < 0)
        return 0;
    path[length] = '\0';
    const size_t prefix = strlen(folder);
    return strncmp(path, folder, prefix) == 0 && (path[prefix] == '/' || path[prefix] == '\0');
}

int fsync(int fd) {
    if (inFailingFolder(fd, "KESTROVA_FAIL_SYNC_IN") ||
        (isDirectory(fd) && inFailingFolder(fd, "KESTROVA_FAIL_FOLDER_SYNC_IN"))) {
        errno = EIO;
        return -1;
    }
    int (*next)(int) = (int (*)(int))dlsym(RTLD_NEXT, "fsync");
    return next(fd);
}

int fdatasync(int fd) {
    if (inFailingFolder(fd, "KESTROVA_FAIL_SYNC_IN")) {
        errno = EIO;
        return -1;
    }
    int (*next)(int) = (int (*)(int))dlsym(RTLD_NEXT, "fdatasync");
    return next(fd);
}

ssize_t read(int fd, void* buffer, size_t count) {
    static int firstReadDone = 0;
    if (inFailingFolder(fd, "KESTROVA_FAIL_READ_IN") ||
        (!firstReadDone && inFailingFolder(fd, "KESTROVA_FAIL_FIRST_READ_IN"))) {
        firstReadDone = 1;
        errno = EIO;
        return -1;
    }
    ssize_t (*next)(int, void*, size_t) =
        (ssize_t(*)(int, void*, size_t))dlsym(RTLD_NEXT, "read");
    return next(fd, buffer, count);
}

ssize_t write(int fd, const void* buffer, size_t count) {
    ssize_t (*next)(int, const void*, size_t) =
        (ssize_t(*)(int, const void*, size_t))dlsym(RTLD_NEXT, "write");
    const ssize_t wrote = next(fd, buffer, count);
    if (wrote < 0 && errno == ENOSPC && inFailingFolder(fd, "KESTROVA_ENOSPC_AS_EPERM_IN"))
        errno = EPERM;
    return wrote;
}
