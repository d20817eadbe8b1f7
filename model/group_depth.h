// How deep groups hold one another, for the editing commands that put an object into a group:
// the result must stay within kMaxGroupDepth levels.
#pragma once

class CPovObject;

// 0 for an object without members, else one more than its highest member
int GroupHeight(const CPovObject& object);
// whether object, with everything it holds, may become a member of group without the
// outermost group holding more than kMaxGroupDepth levels
bool FitsIntoGroup(const CPovObject& object, const CPovObject& group);
