#ifndef FAMILYLIST_H
#define FAMILYLIST_H

#include <vector>

class DeviceFamily;

// Each family's table of calls, made in a source file of its own.
const DeviceFamily& networkFamily(); // NetworkFamily.cpp
const DeviceFamily& usbFamily();     // UsbFamily.cpp

// Every configuration family of the device library, listed here once, in
// the order a check tries them: a family added to the library is its source
// file, its line in families() and a Connection of the catalogue's (the
// whole list of what it adds is in docs/developers.md).
class FamilyList
{
public:
    static const std::vector<const DeviceFamily*>& families();
    // Whose calls an instrument outside the catalogue gets, which nothing
    // writes.
    static const DeviceFamily& fallback() { return usbFamily(); }
};

#endif
