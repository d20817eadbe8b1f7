// Where POV-Ray's reference documents a scene keyword: a page of the local HTML documentation
// when it is installed (Debian's povray-doc puts it in /usr/share/doc/povray/html), otherwise
// the same page of the online reference. The desktop application's help command and the
// property sheets' reference buttons open this address.
#pragma once

#include <string>

// the folder of the local HTML documentation, or empty; $ORVANTA_POVRAY_DOCS overrides the
// places searched
std::string LocalPovRayDocsFolder();

// The address of keyword's section ("sphere", "height_field", "light_source"; empty for the
// reference's contents), in the local documentation of docsFolder when it is not empty, else
// online. A keyword without a section of its own gives the reference's contents.
std::string PovRayReferenceUrl(const std::string& keyword, const std::string& docsFolder);
// the same with the local documentation found by LocalPovRayDocsFolder
std::string PovRayReferenceUrl(const std::string& keyword);
