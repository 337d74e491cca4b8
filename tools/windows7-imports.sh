#!/bin/sh
# SPDX-License-Identifier: MIT
# Fails when a Windows program imports a DLL or a function that 64-bit Windows 7 SP1 lacks: the
# loader would then refuse to start it there ("entry point not found"). Prints what each imports.
#   tools/windows7-imports.sh OBJDUMP PROGRAM.exe...
set -eu
[ $# -ge 2 ] || { echo "usage: $0 OBJDUMP PROGRAM.exe..." >&2; exit 2; }
objdump=$1
shift

# The DLLs a program may import, every one part of Windows 7 SP1: the window (user32, gdi32,
# comctl32, shell32, and comdlg32 for the Open and Save As dialogs), the base (kernel32), the C runtime that MinGW-w64 links against (msvcrt;
# not ucrtbase, which Windows 7 has only with an update), and Active Accessibility for the screen
# readers (oleacc, with COM from ole32 and oleaut32). Not shcore (Windows 8.1 on) and no
# api-ms-win-* API sets (Windows 8 on).
allowed_dlls="kernel32.dll user32.dll gdi32.dll comctl32.dll comdlg32.dll shell32.dll msvcrt.dll oleacc.dll
    ole32.dll oleaut32.dll"

# Functions of those DLLs that Windows 7 SP1 does not have, from each one's "minimum supported
# client" in Microsoft's reference: the dpi functions of Windows 10 (1607, 1703) and what the
# C++ runtime or a later compiler may reach for in kernel32 (Windows 8 on).
missing_functions="
    GetDpiForWindow GetDpiForSystem GetSystemDpiForProcess AdjustWindowRectExForDpi
    GetSystemMetricsForDpi SystemParametersInfoForDpi SetProcessDpiAwarenessContext
    SetThreadDpiAwarenessContext GetThreadDpiAwarenessContext GetWindowDpiAwarenessContext
    AreDpiAwarenessContextsEqual GetAwarenessFromDpiAwarenessContext EnableNonClientDpiScaling
    SetProcessDpiAwareness GetProcessDpiAwareness GetDpiForMonitor
    LogicalToPhysicalPointForPerMonitorDPI PhysicalToLogicalPointForPerMonitorDPI
    GetPointerType GetPointerInfo EnableMouseInPointer
    GetSystemTimePreciseAsFileTime CreateFile2 GetCurrentThreadStackLimits WaitOnAddress
    WakeByAddressSingle WakeByAddressAll InitializeSynchronizationBarrier
    EnterSynchronizationBarrier DeleteSynchronizationBarrier GetOverlappedResultEx
    PrefetchVirtualMemory SetThreadDescription GetThreadDescription CreateFileMappingFromApp
    MapViewOfFileFromApp VirtualAllocFromApp GetPackageFamilyName GetCurrentPackageId
    SetDefaultDllDirectories AddDllDirectory RemoveDllDirectory
    SetThreadInformation GetThreadInformation SetProcessInformation GetProcessInformation
    CopyFile2 QueryUnbiasedInterruptTimePrecise
"

failed=0
for program in "$@"; do
    listing=$("$objdump" -p "$program")
    echo "$(basename "$program") imports:"
    # "DLL Name: X" opens a DLL's table; its function names follow, one a line, after the hint.
    imports=$(printf '%s\n' "$listing" | awk '
        /^\tDLL Name: / { dll = tolower($3); print "dll " dll; next }
        /^\tvma:/ { next }
        dll != "" && /^\t[0-9a-f]+\t/ { print "function " dll " " $NF; next }
        /^$/ { dll = "" }')
    if ! printf '%s\n' "$imports" | grep -q '^dll kernel32.dll$'; then
        echo "  no import table read: is this a Windows program?"
        failed=1
        continue
    fi
    for dll in $(printf '%s\n' "$imports" | sed -n 's/^dll //p'); do
        functions=$(printf '%s\n' "$imports" | awk -v d="$dll" '$1 == "function" && $2 == d { print $3 }')
        echo "  $dll: $(echo $functions)"
        case " $(echo $allowed_dlls) " in
        *" $dll "*) ;;
        *) echo "  NOT ON WINDOWS 7: the DLL $dll"; failed=1 ;;
        esac
        for function in $functions; do
            case " $(echo $missing_functions) " in
            *" $function "*) echo "  NOT ON WINDOWS 7: $dll $function"; failed=1 ;;
            esac
        done
    done
done
exit $failed
