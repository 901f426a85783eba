/* The RAR extraction interface of libunrar.so: the published names, records, modes, error
 * codes and callbacks of the UnRAR library, so that programs written against that interface
 * load this library by name and work unchanged. Records are packed to 1 byte. */
#ifndef QTP_UNRAR_H
#define QTP_UNRAR_H

#ifdef __cplusplus
extern "C" {
#endif

#define ERAR_SUCCESS 0
#define ERAR_END_ARCHIVE 10
#define ERAR_NO_MEMORY 11
#define ERAR_BAD_DATA 12
#define ERAR_BAD_ARCHIVE 13
#define ERAR_UNKNOWN_FORMAT 14
#define ERAR_EOPEN 15
#define ERAR_ECREATE 16
#define ERAR_ECLOSE 17
#define ERAR_EREAD 18
#define ERAR_EWRITE 19
#define ERAR_SMALL_BUF 20
#define ERAR_UNKNOWN 21
#define ERAR_MISSING_PASSWORD 22

#define RAR_OM_LIST 0
#define RAR_OM_EXTRACT 1

#define RAR_SKIP 0
#define RAR_TEST 1
#define RAR_EXTRACT 2

/* Modes of the change-volume procedure. */
#define RAR_VOL_ASK 0
#define RAR_VOL_NOTIFY 1

/* Bits of RARHeaderData.Flags. */
#define RHDF_SPLITBEFORE 0x01
#define RHDF_SPLITAFTER 0x02
#define RHDF_ENCRYPTED 0x04
#define RHDF_SOLID 0x10
#define RHDF_DIRECTORY 0xE0

/* The interface version that RARGetDllVersion reports. */
#define RAR_DLL_VERSION 8

#pragma pack(push, 1)

struct RARHeaderData {
  char ArcName[260];
  char FileName[260];
  unsigned int Flags;
  unsigned int PackSize;
  unsigned int UnpSize;
  unsigned int HostOS;
  unsigned int FileCRC;
  unsigned int FileTime;
  unsigned int UnpVer;
  unsigned int Method;
  unsigned int FileAttr;
  char* CmtBuf;
  unsigned int CmtBufSize;
  unsigned int CmtSize;
  unsigned int CmtState;
};

struct RAROpenArchiveData {
  char* ArcName;
  unsigned int OpenMode;
  unsigned int OpenResult;
  char* CmtBuf;
  unsigned int CmtBufSize;
  unsigned int CmtSize;
  unsigned int CmtState;
};

#pragma pack(pop)

/* Both procedures return 0 to abort the operation, any other value to go on. */
typedef int (*CHANGEVOLPROC)(char* ArcName, int Mode);
typedef int (*PROCESSDATAPROC)(unsigned char* Addr, int Size);

void* RAROpenArchive(struct RAROpenArchiveData* ArchiveData);
int RARCloseArchive(void* hArcData);
int RARReadHeader(void* hArcData, struct RARHeaderData* HeaderData);
int RARProcessFile(void* hArcData, int Operation, char* DestPath, char* DestName);
void RARSetChangeVolProc(void* hArcData, CHANGEVOLPROC ChangeVolProc);
void RARSetProcessDataProc(void* hArcData, PROCESSDATAPROC ProcessDataProc);
void RARSetPassword(void* hArcData, char* Password);
int RARGetDllVersion(void);

#ifdef __cplusplus
}
#endif

#endif
