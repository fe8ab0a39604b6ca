// Checks a datapackage.json against the Camtrap DP package profile (JSON Schema draft-04).
//   node validate-profile.js PROFILE.json DATA-PACKAGE-PROFILE.json DATAPACKAGE.json
// The profile's two references are resolved locally: the Frictionless Data Package profile to the
// copy given, and the GeoJSON schema (of which no copy is at hand) to a GeoJSON object's shape.
// Prints each error; exits 1 when there is one.
const fs = require('fs');
const Ajv = require('ajv-draft-04');

const [profilePath, dataPackagePath, descriptorPath] = process.argv.slice(2);
const read = (file) => JSON.parse(fs.readFileSync(file, 'utf8'));

try {
  const ajv = new Ajv({allErrors: true, strict: false});
  // The formats the schemas name, as their specifications define them.
  ajv.addFormat('uri', /^[a-zA-Z][a-zA-Z0-9+.-]*:[^\s]*$/);
  ajv.addFormat('date', /^\d{4}-(0[1-9]|1[0-2])-(0[1-9]|[12]\d|3[01])$/);
  ajv.addFormat('date-time',
                /^\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d(\.\d+)?(Z|[+-]\d\d:\d\d)$/i);
  ajv.addFormat('email', /^[^\s@]+@[^\s@]+$/);
  ajv.addFormat('textarea', true);
  // The Data Package profile is written for draft-07 but uses nothing draft-04 lacks.
  const dataPackage = read(dataPackagePath);
  delete dataPackage.$schema;
  ajv.addSchema(dataPackage, 'https://specs.frictionlessdata.io/schemas/data-package.json');
  ajv.addSchema({
    type: 'object',
    required: ['type'],
    properties: {
      type: {
        enum: ['Point', 'MultiPoint', 'LineString', 'MultiLineString', 'Polygon', 'MultiPolygon',
               'GeometryCollection', 'Feature', 'FeatureCollection'],
      },
    },
  }, 'http://json.schemastore.org/geojson.json');
  const validate = ajv.compile(read(profilePath));
  if (validate(read(descriptorPath)))
    process.exit(0);
  for (const error of validate.errors)
    console.log(`${error.instancePath || '/'} ${error.message} ${JSON.stringify(error.params)}`);
  process.exit(1);
} catch (error) {
  console.log(error.message);
  process.exit(2);
}
