#pragma once

#include <string>
#include <vector>

#include "calibration/AdjustmentData.h"
#include "files/BackupStore.h"
#include "link/engine/TransferContext.h"

// A calibration or serial-number write cannot be undone from the record it sends: what the radio
// held is read first and kept beside the backups of its channel data, in the folder of the serial
// number it reported: its calibration as an adjustment file ("20261208-093012-factory.Kqda"), and
// the 8 bytes of that serial number ("20261208-093012-factory.sn").
std::string FactoryBackupBase(const BackupMoment& when);
// The two files of that backup; they point into `deviceSn` and `calibration`.
std::vector<BackupFile> FactoryBackupFiles(const uint8_t (&deviceSn)[DeviceSnSize], const AdjustmentData& calibration);

BackupResult StoreFactoryBackup(const std::string& root, const uint8_t (&deviceSn)[DeviceSnSize],
                                const AdjustmentData& calibration, const BackupMoment& when);

// What a calibration read brought (the serial number from its handshake, the block from its
// buffer), kept in BackupRoot() under the time now.
BackupResult BackUpFactoryData(const TransferContext& calibrationRead);
