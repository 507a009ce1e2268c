#pragma once

#include "platform/FolderTrust.h"
#include "platform/Owned_win.h"

#include <string>
#include <windows.h>

namespace velmora::platform {

// What an account may do to an entry without making it untrusted, when it is
// not the user's, the system's (SYSTEM), the administrators' or the system
// installer's (TrustedInstaller): nothing that changes it; or, in a folder
// above the one used, add entries but not remove, rename or replace the ones
// there, as every signed-in user may at the root of a drive.
enum class OthersMay { ChangeNothing, AddEntries };

// Why an entry with this owner and access list cannot be trusted: another
// owner, or an entry of the list that lets another account do more than it
// may. Entries that deny grant nothing here. In the folder used, an entry
// passed on to the files made inside counts as given to them; passed on to
// folders alone, it does not: the job makes the folders it uses inside for
// the user alone. OpenSSH for Windows checks its own files this way.
FolderProblem accessProblem(PSECURITY_DESCRIPTOR descriptor, OthersMay tolerated);

// The running user's account in SDDL's form (S-1-5-21-...); empty when it
// cannot be read.
std::wstring currentUserSid();

using OwnedDescriptor = OwnedLocal;

// A protected access list of full control for the user, the system and the
// administrators (who may read every file anyway), so nothing a folder above
// passes on reaches what it is given. For a folder, each entry is passed on
// to what is made inside it as well. Null when it cannot be made.
OwnedDescriptor userAloneDescriptor(bool passedOnInside);

} // namespace velmora::platform
