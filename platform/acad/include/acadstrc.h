// Acad::ErrorStatus: the host's status codes, with AutoCAD's names and numeric values.
#pragma once

#include "AdAChar.h"

// Every status once, as X(name, value); the enum and acadErrorStatusText are both made from this list.
#define ACAD_ERROR_STATUS_LIST(X) \
  X(eOk, 0) \
  X(eNotImplementedYet, 1) \
  X(eNotApplicable, 2) \
  X(eInvalidInput, 3) \
  X(eAmbiguousInput, 4) \
  X(eAmbiguousOutput, 5) \
  X(eOutOfMemory, 6) \
  X(eBufferTooSmall, 7) \
  X(eInvalidOpenState, 8) \
  X(eEntityInInactiveLayout, 9) \
  X(eHandleExists, 10) \
  X(eNullHandle, 11) \
  X(eBrokenHandle, 12) \
  X(eUnknownHandle, 13) \
  X(eHandleInUse, 14) \
  X(eNullObjectPointer, 15) \
  X(eNullObjectId, 16) \
  X(eNullBlockName, 17) \
  X(eContainerNotEmpty, 18) \
  X(eNullEntityPointer, 20) \
  X(eIllegalEntityType, 21) \
  X(eKeyNotFound, 22) \
  X(eDuplicateKey, 23) \
  X(eInvalidIndex, 24) \
  X(eDuplicateIndex, 25) \
  X(eAlreadyInDb, 26) \
  X(eOutOfDisk, 27) \
  X(eDeletedEntry, 28) \
  X(eNegativeValueNotAllowed, 29) \
  X(eInvalidExtents, 30) \
  X(eInvalidAdsName, 31) \
  X(eInvalidSymbolTableName, 32) \
  X(eInvalidKey, 33) \
  X(eWrongObjectType, 34) \
  X(eWrongDatabase, 35) \
  X(eObjectToBeDeleted, 36) \
  X(eInvalidDwgVersion, 37) \
  X(eAnonymousEntry, 38) \
  X(eIllegalReplacement, 39) \
  X(eEndOfObject, 40) \
  X(eEndOfFile, 41) \
  X(eIsReading, 42) \
  X(eIsWriting, 43) \
  X(eNotOpenForRead, 44) \
  X(eNotOpenForWrite, 45) \
  X(eNotThatKindOfClass, 46) \
  X(eInvalidBlockName, 47) \
  X(eMissingDxfField, 48) \
  X(eDuplicateDxfField, 49) \
  X(eInvalidDxfCode, 50) \
  X(eInvalidResBuf, 51) \
  X(eBadDxfSequence, 52) \
  X(eFilerError, 53) \
  X(eVertexAfterFace, 54) \
  X(eInvalidFaceVertexIndex, 55) \
  X(eInvalidMeshVertexIndex, 56) \
  X(eOtherObjectsBusy, 57) \
  X(eMustFirstAddBlockToDb, 58) \
  X(eCannotNestBlockDefs, 59) \
  X(eDwgRecoveredOK, 60) \
  X(eDwgNotRecoverable, 61) \
  X(eDxfPartiallyRead, 62) \
  X(eDxfReadAborted, 63) \
  X(eDxbPartiallyRead, 64) \
  X(eDwgCRCDoesNotMatch, 65) \
  X(eDwgSentinelDoesNotMatch, 66) \
  X(eDwgObjectImproperlyRead, 67) \
  X(eNoInputFiler, 68) \
  X(eDwgNeedsAFullSave, 69) \
  X(eDxbReadAborted, 70) \
  X(eFileLockedByACAD, 71) \
  X(eFileAccessErr, 72) \
  X(eFileSystemErr, 73) \
  X(eFileInternalErr, 74) \
  X(eFileTooManyOpen, 75) \
  X(eFileNotFound, 76) \
  X(eDwkLockFileFound, 77) \
  X(eWasErased, 80) \
  X(ePermanentlyErased, 81) \
  X(eWasOpenedForRead, 82) \
  X(eWasOpenedForWrite, 83) \
  X(eWasOpenedForUndo, 84) \
  X(eWasNotifying, 85) \
  X(eWasOpenedForNotify, 86) \
  X(eOnLockedLayer, 87) \
  X(eMustOpenThruOwner, 88) \
  X(eSubentitiesStillOpen, 89) \
  X(eAtMaxReaders, 90) \
  X(eIsWriteProtected, 91) \
  X(eIsXRefObject, 92) \
  X(eNotAnEntity, 93) \
  X(eHadMultipleReaders, 94) \
  X(eDuplicateRecordName, 95) \
  X(eXRefDependent, 96) \
  X(eSelfReference, 97) \
  X(eMissingSymbolTable, 98) \
  X(eMissingSymbolTableRec, 99) \
  X(eWasNotOpenForWrite, 100) \
  X(eCloseWasNotifying, 101) \
  X(eCloseModifyAborted, 102) \
  X(eClosePartialFailure, 103) \
  X(eCloseFailObjectDamaged, 104) \
  X(eCannotBeErasedByCaller, 105) \
  X(eCannotBeResurrected, 106) \
  X(eWasNotErased, 107) \
  X(eNoDatabase, 124) \
  X(eRegappIdNotFound, 126) \
  X(eCannotScaleNonUniformly, 136) \
  X(eCannotChangeActiveViewport, 140) \
  X(eCommandWasInProgress, 142) \
  X(eCannotExplodeEntity, 159) \
  X(eBadUCS, 168) \
  X(eBadPaperspaceView, 169) \
  X(eBadLayerName, 200) \
  X(eBadColorIndex, 202) \
  X(eBadLinetypeName, 203) \
  X(eBadLinetypeScale, 204) \
  X(eBadVisibilityValue, 205) \
  X(eBadLineWeightValue, 207) \
  X(eBadColor, 208) \
  X(eAlreadyInGroup, 260) \
  X(eBadDwgHeader, 314) \
  X(eCantOpenFile, 364) \
  X(eBadDxfFile, 368) \
  X(eBadlyNestedAppData, 378) \
  X(eBlockDefInEntitySection, 381) \
  X(eBadPlotStyleName, 384) \
  X(eBadPlotStyleType, 386) \
  X(eBadPlotStyleNameHandle, 387) \
  X(eBinaryDataSizeExceeded, 391) \
  X(eGeneralModelingFailure, 410) \
  X(eDegenerateGeometry, 411) \
  X(eNonCoplanarGeometry, 412) \
  X(eNonPlanarEntity, 413)

struct Acad {
  enum ErrorStatus {
#define ACAD_ERROR_STATUS_ENUMERATOR(name, value) name = value,
    ACAD_ERROR_STATUS_LIST(ACAD_ERROR_STATUS_ENUMERATOR)
#undef ACAD_ERROR_STATUS_ENUMERATOR
  };
};

// The status's name ("eOk", "eWasOpenedForWrite"); a value that is no status gives "Unknown ErrorStatus".
const ACHAR* acadErrorStatusText(Acad::ErrorStatus es);
