#include "families/FamilyList.h"

#include "families/DeviceFamily.h"

// The network family first: its listing answers at once whatever is
// connected, and a USB instrument never appears in it.
const std::vector<const DeviceFamily*>& FamilyList::families()
{
    static const std::vector<const DeviceFamily*> list{
        &networkFamily(),
        &usbFamily(),
    };
    return list;
}
